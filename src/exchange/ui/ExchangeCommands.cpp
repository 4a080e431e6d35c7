#include "ExchangeCommands.h"

#include "base/ui/CAttesa.h"
#include "base/ui/WidgetPrompter.h"
#include "exchange/DataExchange.h"

#include <QApplication>
#include <QCursor>

namespace {

// The busy cursor of a running command; dialogs and message boxes get the normal cursor back
// while they are open.
class BusyPrompter : public Prompter
{
public:
    explicit BusyPrompter(QWidget *parent) : m_prompter(parent) {}
    ~BusyPrompter() override { setBusy(false); }

    void setBusy(bool busy)
    {
        if (busy == m_busy)
            return;
        m_busy = busy;
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    }

    Answer message(Icon icon, const QString &text, Buttons buttons) override
    {
        const Pause pause(*this);
        return m_prompter.message(icon, text, buttons);
    }
    QString openFileName(const QString &title, const QString &folder, const QString &filter,
                         const QString &suggestedName) override
    {
        const Pause pause(*this);
        return m_prompter.openFileName(title, folder, filter, suggestedName);
    }
    QString saveFileName(const QString &title, const QString &folder, const QString &filter,
                         const QString &suggestedName) override
    {
        const Pause pause(*this);
        return m_prompter.saveFileName(title, folder, filter, suggestedName);
    }
    void showHelp(int topic) override { m_prompter.showHelp(topic); }

private:
    class Pause
    {
    public:
        explicit Pause(BusyPrompter &owner) : m_owner(owner), m_wasBusy(owner.m_busy)
        {
            m_owner.setBusy(false);
        }
        ~Pause() { m_owner.setBusy(m_wasBusy); }

    private:
        BusyPrompter &m_owner;
        bool m_wasBusy;
    };

    WidgetPrompter m_prompter;
    bool m_busy = false;
};

// One run of a command: its prompter and its progress window, hidden until the merge.
class Command
{
public:
    explicit Command(QWidget *parent) : m_prompter(parent), m_progress(parent)
    {
        m_progress.setWindowModality(Qt::NonModal);
    }

    DataExchange exchange()
    {
        DataExchange exchange(m_prompter, m_progress);
        exchange.setShowProgress([this](bool shown) {
            m_progress.setVisible(shown);
            if (shown)
                QApplication::processEvents();
        });
        return exchange;
    }
    BusyPrompter &prompter() { return m_prompter; }

private:
    BusyPrompter m_prompter;
    CAttesa m_progress;
};

} // namespace

namespace ExchangeCommands {

void exportData(QWidget *parent)
{
    Command command(parent);
    command.prompter().setBusy(true);
    command.exchange().ExportArchive();
}

bool importData(QWidget *parent, const std::function<void()> &reloadViews)
{
    Command command(parent);
    command.prompter().setBusy(true);
    DataExchange exchange = command.exchange();
    if (reloadViews)
        exchange.setReloadViews(reloadViews);
    return exchange.ImportArchive() == DataExchange::Outcome::Done;
}

void backupData(QWidget *parent)
{
    Command command(parent);
    command.prompter().setBusy(true);
    command.exchange().BackupDatabase();
}

} // namespace ExchangeCommands
