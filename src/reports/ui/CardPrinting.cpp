#include "CardPrinting.h"

#include "CSceltaStampe.h"
#include "PrinterOutput.h"
#include "ProcessingNotice.h"
#include "base/CompanyData.h"
#include "base/Progress.h"
#include "base/Prompter.h"
#include "base/ui/BusyCursor.h"
#include "base/ui/BusyPrompter.h"
#include "base/ui/CAttesa.h"
#include "base/ui/SharedPrinter.h"
#include "db/Database.h"
#include "reports/CardPrintJob.h"

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

} // namespace

void printFromCardView(QWidget *parent, Database &db, Prompter &prompter, bool preview,
                       qint64 currentCardId, const WorkingPeriod &period, QWidget *searchWindow)
{
    CSceltaStampe dialog(prompter, parent);
    dialog.setProcessingAllowed(!db.isReadOnly());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const ReportContext context = ReportContext::forPeriod(
        db, period, currentCardId, CompanyData::load(), QDate::currentDate());
    // Every step of the job, counting included, shows the wait cursor until it needs the user.
    BusyPrompter jobPrompter(prompter);
    jobPrompter.setBusy(true);
    CardPrintJob job(context, jobPrompter,
                     [parent] { return std::make_unique<BusyProgress>(parent); });
    // What the totals leave out is told once their progress window has closed, before the
    // pages are counted and printed.
    job.setWarningsHandler([&jobPrompter](const QList<ProcessingWarnings::Warning> &warnings) {
        jobPrompter.warning(ProcessingNotice::text(warnings));
    });
    PrinterOutput output(SharedPrinter::printer(), preview, parent, searchWindow);
    job.run(dialog.choice(), preview, output);
}
