#include "FarmFileOpening.h"

#include "base/Prompter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <utility>

namespace {

const QByteArray SqliteMagic("SQLite format 3\0", 16);
const QByteArray ZipMagic("PK\x03\x04", 4);

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

bool sameFile(const QString &a, const QString &b)
{
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

// Answers the exchange's file choice with the file given, and passes every message on.
class ChosenFilePrompter : public Prompter
{
public:
    ChosenFilePrompter(Prompter &prompter, QString file)
        : m_prompter(prompter), m_file(std::move(file))
    {
    }

    Answer message(Icon icon, const QString &text, Buttons buttons) override
    {
        return m_prompter.message(icon, text, buttons);
    }
    QString openFileName(const QString &, const QString &, const QString &,
                         const QString &) override
    {
        // Only the first choice is the file given; asking again means the user is to choose.
        return std::exchange(m_file, QString());
    }
    QString saveFileName(const QString &title, const QString &folder, const QString &filter,
                         const QString &suggestedName) override
    {
        return m_prompter.saveFileName(title, folder, filter, suggestedName);
    }
    void showHelp(int topic) override { m_prompter.showHelp(topic); }

private:
    Prompter &m_prompter;
    QString m_file;
};

} // namespace

FarmFileOpening::Kind FarmFileOpening::kindOf(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return Kind::Unreadable;
    const QByteArray head = file.read(SqliteMagic.size());
    if (head == SqliteMagic)
        return Kind::Farm;
    if (head.startsWith(ZipMagic) &&
        QFileInfo(path).suffix().compare(QLatin1String("czp"), Qt::CaseInsensitive) == 0)
        return Kind::Archive;
    return Kind::Other;
}

bool FarmFileOpening::checkFarm(const QString &path)
{
    switch (kindOf(path)) {
    case Kind::Farm:
        return true;
    case Kind::Unreadable:
        m_prompter.error(tr("The file %1 does not exist or cannot be read.").arg(shown(path)));
        return false;
    case Kind::Archive:
        m_prompter.error(tr("%1 is a data archive, not a farm database: import it with "
                            "File > Import data.")
                             .arg(shown(path)));
        return false;
    case Kind::Other:
        break;
    }
    m_prompter.error(tr("%1 is not a Verdimo farm database.").arg(shown(path)));
    return false;
}

FarmFileOpening::Action FarmFileOpening::askAbout(const QString &path, const QString &workingFarm)
{
    switch (kindOf(path)) {
    case Kind::Farm:
        if (sameFile(path, workingFarm))
            return Action::Nothing;
        return m_prompter.question(tr("Make the farm %1 the working farm?\nThe working farm "
                                      "now is %2; it stays as it is and can be chosen again "
                                      "in the File menu.")
                                       .arg(shown(path), QDir::toNativeSeparators(workingFarm))) ==
                       Prompter::Answer::Yes
                   ? Action::OpenFarm
                   : Action::Nothing;
    case Kind::Archive:
        return m_prompter.question(tr("Import the data archive %1 into the working farm %2?")
                                       .arg(shown(path), QDir::toNativeSeparators(workingFarm))) ==
                       Prompter::Answer::Yes
                   ? Action::ImportArchive
                   : Action::Nothing;
    case Kind::Unreadable:
        m_prompter.error(tr("The file %1 does not exist or cannot be read.").arg(shown(path)));
        return Action::Nothing;
    case Kind::Other:
        break;
    }
    m_prompter.error(
        tr("%1 is neither a Verdimo farm database nor a data archive; it was not opened.")
            .arg(shown(path)));
    return Action::Nothing;
}

QString FarmFileOpening::chooseFarm(const QString &startFolder)
{
    const QString path =
        m_prompter.openFileName(tr("Verdimo : Open farm"), startFolder,
                                tr("Verdimo farms (*.mdb);;All files (*)"), QString());
    if (path.isEmpty() || !checkFarm(path))
        return {};
    return QFileInfo(path).absoluteFilePath();
}

DataExchange::Outcome
FarmFileOpening::importArchive(const QString &archive, Progress &progress,
                               const std::function<void(DataExchange &)> &configure)
{
    ChosenFilePrompter prompter(m_prompter, QFileInfo(archive).absoluteFilePath());
    DataExchange exchange(prompter, progress);
    if (configure)
        configure(exchange);
    return exchange.ImportArchive();
}
