#include "DbErrorText.h"

#include "DbException.h"

#include <QDir>

namespace {

QString sentence(DbErrorKind kind, const QString &file)
{
    switch (kind) {
    case DbErrorKind::Busy:
        return DbErrorText::tr("The farm database %1 is in use by another program; try again in "
                               "a moment.")
            .arg(file);
    case DbErrorKind::Damaged:
        return DbErrorText::tr("The farm database %1 is damaged; restore a backup (Program › "
                               "Restore...) or run verdimo-cli check on it.")
            .arg(file);
    case DbErrorKind::ReadOnly:
        return DbErrorText::tr("The farm database %1 can only be read; to change it, open a copy "
                               "in a folder you may write to.")
            .arg(file);
    case DbErrorKind::DiskFull:
        return DbErrorText::tr("The disk holding the farm database %1 is full; free some space "
                               "and try again.")
            .arg(file);
    case DbErrorKind::Other:
        break;
    }
    return DbErrorText::tr("The work on the farm database %1 failed.").arg(file);
}

} // namespace

QString DbErrorText::describe(const DbException &error, const QString &file)
{
    const QString shown = file.isEmpty() ? tr("(no file)") : QDir::toNativeSeparators(file);
    const QString text = sentence(error.kind(), shown);
    return error.message().isEmpty() ? text : text + QStringLiteral("\n\n") + error.message();
}
