#include "BackupRotation.h"

#include "DataExchange.h"
#include "base/Clock.h"
#include "base/Progress.h"
#include "base/Prompter.h"
#include "base/SettingsKeys.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

const QString NamePrefix = QStringLiteral("Backup Verdimo ");
const QString StampFormat = QStringLiteral("yyyy-MM-dd HHmmss");

// "Backup Verdimo 2026-05-04 081500.zip", with "-2", "-3"... when a second falls twice.
QDateTime madeAt(const QString &fileName)
{
    static const QRegularExpression pattern(
        QStringLiteral("^Backup Verdimo (\\d{4}-\\d{2}-\\d{2} \\d{6})(-\\d+)?\\.zip$"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    return match.hasMatch() ? QDateTime::fromString(match.captured(1), StampFormat) : QDateTime();
}

// The backup runs without dialogs: the file name is given and the messages are kept for the
// caller instead of shown.
class QuietPrompter : public Prompter
{
public:
    explicit QuietPrompter(QString target) : m_target(std::move(target)) {}

    Answer message(Icon icon, const QString &text, Buttons) override
    {
        if (icon == Icon::Error || icon == Icon::Warning)
            m_problems << text;
        return Answer::No;
    }
    QString openFileName(const QString &, const QString &, const QString &,
                         const QString &) override
    {
        return {};
    }
    QString saveFileName(const QString &, const QString &, const QString &,
                         const QString &) override
    {
        return m_target;
    }
    void showHelp(int) override {}

    QString problems() const { return m_problems.join(QLatin1Char('\n')); }

private:
    QString m_target;
    QStringList m_problems;
};

} // namespace

BackupRotation::BackupRotation(QString folder, const Clock &clock, int kept)
    : m_folder(std::move(folder)), m_clock(clock), m_kept(qMax(1, kept))
{
}

QString BackupRotation::defaultFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("Backups"));
}

int BackupRotation::keptFromSettings()
{
    const int kept = SettingsKeys::BackupsKept.read();
    return kept > 0 ? kept : DefaultKept;
}

QList<BackupRotation::Backup> BackupRotation::backups() const
{
    QList<Backup> found;
    const QFileInfoList files =
        QDir(m_folder).entryInfoList({NamePrefix + QStringLiteral("*.zip")}, QDir::Files);
    for (const QFileInfo &file : files) {
        const QDateTime made = madeAt(file.fileName());
        if (made.isValid())
            found.append({file.absoluteFilePath(), made, file.size()});
    }
    std::sort(found.begin(), found.end(), [](const Backup &a, const Backup &b) {
        return a.made != b.made ? a.made > b.made : a.path > b.path;
    });
    return found;
}

QString BackupRotation::newBackupPath() const
{
    const QString stamp = NamePrefix + m_clock.now().toString(StampFormat);
    const QDir folder(m_folder);
    QString path = folder.filePath(stamp + QStringLiteral(".zip"));
    for (int copy = 2; QFileInfo::exists(path); ++copy)
        path = folder.filePath(QStringLiteral("%1-%2.zip").arg(stamp).arg(copy));
    return path;
}

QString BackupRotation::keptFilePath(const QString &stem, const QString &suffix) const
{
    const QString name = stem + QLatin1Char(' ') + m_clock.now().toString(StampFormat);
    const QDir folder(m_folder);
    QString path = folder.filePath(name + suffix);
    for (int copy = 2; QFileInfo::exists(path); ++copy)
        path = folder.filePath(QStringLiteral("%1-%2%3").arg(name).arg(copy).arg(suffix));
    return path;
}

QString BackupRotation::backUp(const QString &workingDatabase, QString *error,
                               const QString &spared)
{
    if (!QDir().mkpath(m_folder)) {
        if (error)
            *error =
                tr("Could not make the backup folder %1.").arg(QDir::toNativeSeparators(m_folder));
        return {};
    }
    const QString path = newBackupPath();
    QuietPrompter prompter(path);
    NullProgress progress;
    DataExchange exchange(prompter, progress);
    exchange.setWorkingDatabase(workingDatabase);
    // The backup keeps the working database's own tables and columns, whatever version of
    // the program made them, so that a restore gives back exactly what was there.
    exchange.setTemplatePath(workingDatabase);
    if (exchange.BackupDatabase() != DataExchange::Outcome::Done) {
        if (error)
            *error = tr("Could not back up %1 into %2: %3")
                         .arg(QDir::toNativeSeparators(workingDatabase),
                              QDir::toNativeSeparators(path), prompter.problems());
        return {};
    }
    removeOldest(spared);
    return path;
}

void BackupRotation::removeOldest(const QString &spared)
{
    const QString keep = QFileInfo(spared).canonicalFilePath();
    const QList<Backup> all = backups();
    for (qsizetype i = m_kept; i < all.size(); ++i) {
        if (keep.isEmpty() || QFileInfo(all.at(i).path).canonicalFilePath() != keep)
            QFile::remove(all.at(i).path);
    }
}

QString BackupRotation::backUpAtStart(const QString &workingDatabase, QString *error)
{
    const QList<Backup> all = backups();
    if (!all.isEmpty() && all.first().made.date() == m_clock.now().date())
        return {};
    return backUp(workingDatabase, error);
}

QString BackupRotation::backUpAtExit(const QString &workingDatabase, bool changed, QString *error)
{
    // The session's own count of changes, not the file's times: opening and closing a farm
    // must not push the older backups out.
    if (!changed)
        return {};
    return backUp(workingDatabase, error);
}
