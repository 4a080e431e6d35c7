#include "ProcessingNotice.h"

#include "base/Prompter.h"

QString ProcessingNotice::text(const QList<ProcessingWarnings::Warning> &warnings)
{
    if (warnings.isEmpty())
        return {};
    QString text = tr("The data were processed. The totals leave out or cannot allocate what "
                      "follows; complete the registries and process again:");
    for (int i = 0; i < warnings.size() && i < MaxListed; ++i)
        text += QStringLiteral("\n- ") + warnings.at(i).text();
    if (warnings.size() > MaxListed)
        text +=
            QStringLiteral("\n") + tr("and %n more.", nullptr, int(warnings.size()) - MaxListed);
    return text;
}

void ProcessingNotice::show(Database &db, const WorkingPeriod &period, Prompter &prompter)
{
    const QString message = text(ProcessingWarnings::find(db, period));
    if (!message.isEmpty())
        prompter.warning(message);
}
