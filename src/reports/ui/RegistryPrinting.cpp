#include "RegistryPrinting.h"

#include "PrinterOutput.h"
#include "base/Progress.h"
#include "base/Prompter.h"
#include "base/ui/BusyCursor.h"
#include "base/ui/SharedPrinter.h"
#include "db/DbErrorText.h"
#include "db/DbException.h"
#include "db/FarmSession.h"

void printRegistryNode(QWidget *parent, FarmSession &farm, Prompter &prompter, bool preview,
                       RegistryPrintList list)
{
    RegistryPrintReport report(farm.database(), farm.period(), farm.company().name(),
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
        prompter.error(DbErrorText::describe(e, farm.databasePath()));
    }
    report.end();
}
