#include "CardPrinting.h"

#include "CSceltaStampe.h"
#include "PrinterOutput.h"
#include "ProcessingNotice.h"
#include "UserTurn.h"
#include "base/Prompter.h"
#include "base/ui/BusyCursor.h"
#include "base/ui/CAttesa.h"
#include "base/ui/SharedPrinter.h"
#include "db/Database.h"
#include "db/DbException.h"
#include "reports/CardPrintJob.h"
#include "reports/DataProcessing.h"

namespace {

// The progress window of a long step, shown with the wait cursor for as long as it lives.
class BusyProgress : public Progress
{
public:
    explicit BusyProgress(QWidget *parent) : m_window(parent) { m_window.show(); }

    void setText(int line, const QString &text) override { m_window.setText(line, text); }
    void setRange(int line, int minimum, int maximum) override
    {
        m_window.setRange(line, minimum, maximum);
    }
    void setValue(int line, int value) override { m_window.setValue(line, value); }

private:
    BusyCursor m_cursor;
    CAttesa m_window;
};

// The job's prompter: its questions and messages show the usual cursor.
class UserTurnPrompter : public Prompter
{
public:
    explicit UserTurnPrompter(Prompter &prompter) : m_prompter(prompter) {}

    Answer message(Icon icon, const QString &text, Buttons buttons) override
    {
        const UserTurn turn;
        return m_prompter.message(icon, text, buttons);
    }
    QString openFileName(const QString &title, const QString &folder, const QString &filter,
                         const QString &suggestedName) override
    {
        const UserTurn turn;
        return m_prompter.openFileName(title, folder, filter, suggestedName);
    }
    QString saveFileName(const QString &title, const QString &folder, const QString &filter,
                         const QString &suggestedName) override
    {
        const UserTurn turn;
        return m_prompter.saveFileName(title, folder, filter, suggestedName);
    }
    void showHelp(int topic) override { m_prompter.showHelp(topic); }

private:
    Prompter &m_prompter;
};

// Processes the totals with the progress window, then, once it has closed, tells what the totals
// leave out. False after a database failure, which was shown.
bool processTotals(QWidget *parent, const ReportContext &context, Prompter &prompter)
{
    try {
        {
            BusyProgress progress(parent);
            DataProcessing(context.db, context.period).ProcessTotals(progress);
        }
        ProcessingNotice::show(context.db, context.period, prompter);
        return true;
    } catch (const DbException &e) {
        prompter.error(e.message());
        return false;
    }
}

} // namespace

void printFromCardView(QWidget *parent, Database &db, Prompter &prompter, bool preview,
                       qint64 currentCardId, const WorkingPeriod &period, QWidget *searchWindow)
{
    CSceltaStampe dialog(prompter, parent);
    dialog.setProcessingAllowed(!db.isReadOnly());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const ReportContext context =
        ReportContext::fromSettings(db, period, currentCardId, QDate::currentDate());
    // Every step of the job, counting included, shows the wait cursor until it needs the user.
    const BusyCursor busy;
    UserTurnPrompter jobPrompter(prompter);
    PrintChoice choice = dialog.choice();
    // The totals are processed here, so that their warnings come before the print.
    if (choice.runsProcessTotals()) {
        if (!processTotals(parent, context, jobPrompter))
            return;
        choice.process = false;
    }
    CardPrintJob job(context, jobPrompter,
                     [parent] { return std::make_unique<BusyProgress>(parent); });
    PrinterOutput output(SharedPrinter::printer(), preview, parent, searchWindow);
    job.run(choice, preview, output);
}
