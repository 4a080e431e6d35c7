#include "ExchangeCommands.h"

#include "base/ui/BusyPrompter.h"
#include "base/ui/CAttesa.h"
#include "base/ui/WidgetPrompter.h"
#include "exchange/DataExchange.h"

#include <QApplication>

namespace {

// One run of a command: its prompter and its progress window, hidden until the merge.
class Command
{
public:
    explicit Command(QWidget *parent) : m_dialogs(parent), m_prompter(m_dialogs), m_progress(parent)
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
    WidgetPrompter m_dialogs;
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

bool importData(QWidget *parent, const std::function<void()> &reloadViews, FarmSession *farm)
{
    Command command(parent);
    command.prompter().setBusy(true);
    DataExchange exchange = command.exchange();
    if (reloadViews)
        exchange.setReloadViews(reloadViews);
    if (farm) {
        exchange.setShowImported([&command, farm, &reloadViews](const ImportedCards &cards) {
            command.prompter().setBusy(false);
            cards.show(*farm, command.prompter(), reloadViews);
        });
    }
    return exchange.ImportArchive() == DataExchange::Outcome::Done;
}

void backupData(QWidget *parent)
{
    Command command(parent);
    command.prompter().setBusy(true);
    command.exchange().BackupDatabase();
}

} // namespace ExchangeCommands
