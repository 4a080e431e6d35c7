#include "ErrorBoundary.h"

#include "base/Prompter.h"
#include "db/DbErrorText.h"
#include "db/DbException.h"

#include <exception>

bool ErrorBoundary::run(Prompter &prompter, const QString &file,
                        const std::function<void()> &command)
{
    // The message is shown once the handler is left: its dialog runs an event loop of its own,
    // which should not run with the exception still in flight.
    QString failure;
    try {
        command();
        return true;
    } catch (const DbException &error) {
        failure = DbErrorText::describe(error, file);
    } catch (const std::exception &error) {
        failure =
            tr("The command could not be completed.\n\n%1").arg(QString::fromUtf8(error.what()));
    } catch (...) {
        failure = tr("The command could not be completed.");
    }
    prompter.error(failure);
    return false;
}
