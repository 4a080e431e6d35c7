#pragma once

#include "base/ui/RecordView.h"
#include "chart/ChartData.h"

#include <QWidget>
#include <memory>

class Prompter;

// The weather chart of the working period, the third view of the main window. It has no
// controls: it draws the cards of the period and prints the same drawing on one landscape
// page. The cards are read again whenever the view is shown, so it shows what the card view
// stored meanwhile.
class CChartView : public QWidget, public RecordView
{
    Q_OBJECT

public:
    CChartView(QWidget *parent, ViewHost &host);
    // For tests: messages go to prompter.
    CChartView(QWidget *parent, ViewHost &host, Prompter &prompter);
    ~CChartView() override;

    static RecordView *create(QWidget *parent, ViewHost &host);

    QWidget *widget() override { return this; }
    bool isCommandEnabled(ViewCommand command) const override;
    void runCommand(ViewCommand command) override;
    Database *database() override { return m_db; }
    void setDatabase(Database *database) override;
    void reopenDatabase() override { ReopenCards(); }
    void applyWorkingPeriod(const WorkingPeriod &period) override { ApplyWorkingPeriod(period); }

    // The working database was replaced: read its cards for the period of the settings.
    void ReopenCards();
    // The working period changed: read and draw its cards.
    void ApplyWorkingPeriod(const WorkingPeriod &period);

    const ChartData &chartData() const { return m_data; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void build();
    void readCards();
    void print(bool preview);

    ViewHost &m_host;
    std::unique_ptr<Prompter> m_ownPrompter;
    Prompter &m_prompter;
    Database *m_db = nullptr;
    ChartData m_data;
};
