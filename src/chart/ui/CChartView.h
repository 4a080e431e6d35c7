#pragma once

#include "base/ui/RecordView.h"
#include "chart/ChartData.h"

#include <QWidget>
#include <memory>

class FarmSession;
class Prompter;

// The weather chart of the working period, the third view of the main window. It has no
// controls: it draws the cards of the session's period and prints the same drawing on one
// landscape page. It follows the session: another database, another period or another company
// name are drawn at once, and the cards are read again whenever the view is shown, so it shows
// what the card view stored meanwhile.
class CChartView : public QWidget, public RecordView
{
    Q_OBJECT

public:
    // Messages go to prompter, or to a message box of the view when none is given.
    CChartView(QWidget *parent, ViewHost &host, FarmSession &farm, Prompter *prompter = nullptr);
    ~CChartView() override;

    QWidget *widget() override { return this; }
    bool isCommandEnabled(ViewCommand command) const override;
    void runCommand(ViewCommand command) override;

    const ChartData &chartData() const { return m_data; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void followSession();
    void readCards();
    void print(bool preview);

    ViewHost &m_host;
    FarmSession &m_farm;
    std::unique_ptr<Prompter> m_ownPrompter;
    Prompter &m_prompter;
    ChartData m_data;
};
