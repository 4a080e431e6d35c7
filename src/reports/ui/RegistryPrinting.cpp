#include "RegistryPrinting.h"

#include "PrinterOutput.h"
#include "base/Progress.h"
#include "base/Prompter.h"
#include "base/SettingsStore.h"
#include "base/ui/BusyCursor.h"
#include "base/ui/SharedPrinter.h"
#include "db/DbException.h"

void printRegistryNode(QWidget *parent, Database &db, Prompter &prompter, bool preview,
                       const WorkingPeriod &period, RegistryPrintList list)
{
    RegistryPrintReport report(
        db, period,
        SettingsStore::readString(SettingsStore::Settings, QStringLiteral("DittaRagSoc")),
        std::move(list));
    PrinterOutput output(SharedPrinter::printer(), preview, parent);
    try {
        int pages = 0;
        {
            const BusyCursor busy;
            NullProgress progress;
            pages = report.countPages(progress);
        }
        output.print(report, pages);
    } catch (const DbException &e) {
        prompter.error(e.message());
    }
    report.end();
}
