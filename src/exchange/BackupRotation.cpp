#include "BackupRotation.h"

#include "DataExchange.h"
#include "base/Clock.h"
#include "base/Progress.h"
#include "base/Prompter.h"
#include "base/SettingsKeys.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const QString NamePrefix = QStringLiteral("Backup Verdimo ");
const QString StampFormat = QStringLiteral("yyyy-MM-dd HHmmss");
// Beside a farm's backups: the full path of the farm they were made of.
const QString FarmNote = QStringLiteral("Farm.txt");

// "Backup Verdimo 2026-05-04 081500.zip", with "-2", "-3"... when a second falls twice.
QDateTime madeAt(const QString &fileName)
{
    static const QRegularExpression pattern(
        QStringLiteral("^Backup Verdimo (\\d{4}-\\d{2}-\\d{2} \\d{6})(-\\d+)?\\.zip$"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    return match.hasMatch() ? QDateTime::fromString(match.captured(1), StampFormat) : QDateTime();
}

// The farm's file with every link followed where it exists, so that one farm reached by two
// paths is one farm.
QString farmIdentity(const QString &farm)
{
    const QFileInfo info(farm);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    // A farm whose file is missing (the one a restore puts back) by its folder's real path.
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? QDir::cleanPath(info.absoluteFilePath())
                            : QDir(folder).filePath(info.fileName());
}

void newestFirst(QList<BackupRotation::Backup> &backups)
{
    std::stable_sort(backups.begin(), backups.end(),
                     [](const BackupRotation::Backup &a, const BackupRotation::Backup &b) {
                         return a.made != b.made ? a.made > b.made : a.path > b.path;
                     });
}

// The backup runs without dialogs: the messages are kept for the caller instead of shown.
class QuietPrompter : public Prompter
{
public:
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
        return {};
    }
    void showHelp(int) override {}

    QString problems() const { return m_problems.join(QLatin1Char('\n')); }

private:
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

QString BackupRotation::farmFolder(const QString &farm) const
{
    // The file's name for the user, a digest of its whole path to keep two farms of one name
    // apart.
    const QString identity = farmIdentity(farm);
    const QByteArray digest =
        QCryptographicHash::hash(identity.toUtf8(), QCryptographicHash::Sha1).toHex().left(8);
    return QDir(m_folder).filePath(QFileInfo(identity).completeBaseName() + QLatin1Char('-') +
                                   QString::fromLatin1(digest));
}

QString BackupRotation::farmOf(const QString &archive)
{
    QFile note(QDir(QFileInfo(archive).absolutePath()).filePath(FarmNote));
    if (!note.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(note.read(4096)).trimmed();
}

bool BackupRotation::sameFarm(const QString &a, const QString &b)
{
    return !a.isEmpty() && !b.isEmpty() && farmIdentity(a) == farmIdentity(b);
}

QList<BackupRotation::Backup> BackupRotation::farmFirst(QList<Backup> backups, const QString &farm)
{
    newestFirst(backups);
    std::stable_partition(backups.begin(), backups.end(),
                          [&farm](const Backup &backup) { return sameFarm(backup.farm, farm); });
    return backups;
}

QList<BackupRotation::Backup> BackupRotation::backupsIn(const QString &folder, const QString &farm)
{
    QList<Backup> found;
    const QFileInfoList files =
        QDir(folder).entryInfoList({NamePrefix + QStringLiteral("*.zip")}, QDir::Files);
    for (const QFileInfo &file : files) {
        const QDateTime made = madeAt(file.fileName());
        if (made.isValid())
            found.append({file.absoluteFilePath(), made, file.size(), farm});
    }
    return found;
}

QList<BackupRotation::Backup> BackupRotation::backups() const
{
    // Those older versions made directly in the folder, of no recorded farm.
    QList<Backup> found = backupsIn(m_folder, {});
    const QFileInfoList folders = QDir(m_folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo &folder : folders) {
        const QString farm = farmOf(QDir(folder.absoluteFilePath()).filePath(FarmNote));
        if (!farm.isEmpty())
            found += backupsIn(folder.absoluteFilePath(), farm);
    }
    newestFirst(found);
    return found;
}

QList<BackupRotation::Backup> BackupRotation::backupsOf(const QString &farm) const
{
    QList<Backup> found = backupsIn(farmFolder(farm), farm);
    newestFirst(found);
    return found;
}

QString BackupRotation::newBackupPath(const QString &folder) const
{
    const QString stamp = NamePrefix + m_clock.now().toString(StampFormat);
    const QDir dir(folder);
    QString path = dir.filePath(stamp + QStringLiteral(".zip"));
    for (int copy = 2; QFileInfo::exists(path); ++copy)
        path = dir.filePath(QStringLiteral("%1-%2.zip").arg(stamp).arg(copy));
    return path;
}

QString BackupRotation::keptFilePath(const QString &farm, const QString &stem,
                                     const QString &suffix) const
{
    const QString name = stem + QLatin1Char(' ') + m_clock.now().toString(StampFormat);
    const QDir folder(farmFolder(farm));
    QString path = folder.filePath(name + suffix);
    for (int copy = 2; QFileInfo::exists(path); ++copy)
        path = folder.filePath(QStringLiteral("%1-%2%3").arg(name).arg(copy).arg(suffix));
    return path;
}

bool BackupRotation::recordFarm(const QString &folder, const QString &farm, QString *error) const
{
    const QString identity = farmIdentity(farm);
    if (farmOf(QDir(folder).filePath(FarmNote)) == identity)
        return true;
    QSaveFile note(QDir(folder).filePath(FarmNote));
    if (note.open(QIODevice::WriteOnly) && note.write(identity.toUtf8() + '\n') > 0 &&
        note.commit())
        return true;
    if (error)
        *error = tr("Could not write %1: %2")
                     .arg(QDir::toNativeSeparators(note.fileName()), note.errorString());
    return false;
}

QString BackupRotation::backUp(const QString &workingDatabase, QString *error,
                               const QString &spared)
{
    const QString folder = farmFolder(workingDatabase);
    if (!QDir().mkpath(folder)) {
        if (error)
            *error =
                tr("Could not make the backup folder %1.").arg(QDir::toNativeSeparators(folder));
        return {};
    }
    if (!recordFarm(folder, workingDatabase, error))
        return {};
    const QString path = newBackupPath(folder);
    QuietPrompter prompter;
    NullProgress progress;
    DataExchange exchange(prompter, progress);
    exchange.setWorkingDatabase(workingDatabase);
    exchange.setCompressionLevel(CompressionLevel);
    exchange.setBackupArchive(path);
    // The backup keeps the working database's own tables and columns, whatever version of
    // the program made them, so that a restore gives back exactly what was there. Its tables
    // are copied in one read of the file, on a connection of the backup's own.
    exchange.setTemplatePath(workingDatabase);
    if (exchange.BackupDatabase() != DataExchange::Outcome::Done) {
        if (error)
            *error = tr("Could not back up %1 into %2: %3")
                         .arg(QDir::toNativeSeparators(workingDatabase),
                              QDir::toNativeSeparators(path), prompter.problems());
        return {};
    }
    removeOldest(workingDatabase, spared);
    return path;
}

void BackupRotation::removeOldest(const QString &farm, const QString &spared)
{
    const QString keep = QFileInfo(spared).canonicalFilePath();
    const QList<Backup> all = backupsOf(farm);
    for (qsizetype i = m_kept; i < all.size(); ++i) {
        if (keep.isEmpty() || QFileInfo(all.at(i).path).canonicalFilePath() != keep)
            QFile::remove(all.at(i).path);
    }
}

bool BackupRotation::dueAtStart(const QString &workingDatabase) const
{
    const QList<Backup> all = backupsOf(workingDatabase);
    return all.isEmpty() || all.first().made.date() != m_clock.now().date();
}

QString BackupRotation::backUpAtStart(const QString &workingDatabase, QString *error)
{
    if (!dueAtStart(workingDatabase))
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
