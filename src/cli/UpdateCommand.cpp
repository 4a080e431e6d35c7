#include "UpdateCommand.h"

#include "online/CurlTransport.h"
#include "online/SetupDownload.h"
#include "online/SetupSignature.h"
#include "online/UpdateCheck.h"
#include "online/VersionText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

// The texts of the update command.
class UpdateCommand
{
    Q_DECLARE_TR_FUNCTIONS(UpdateCommand)
};

namespace {

int check(const UpdateCommandSetup &setup, QTextStream &out, QTextStream &err)
{
    if (setup.servers.webServer.isEmpty()) {
        err << UpdateCommand::tr(
                   "No update address is configured (UpdateWebServer in the section Settings).")
            << Qt::endl;
        return 1;
    }
    const QUrl url = setup.servers.versionUrl();
    if (!url.isValid()) {
        err << UpdateCommand::tr("The update address \"%1\" is not an http or https address.")
                   .arg(setup.servers.webServer)
            << Qt::endl;
        return 1;
    }
    CurlTransport transport(setup.limits);
    const UpdateCheck::Result result = UpdateCheck::run(transport, url, setup.currentVersion);
    if (!result.fetched) {
        err << result.error << Qt::endl;
        return 1;
    }
    out << UpdateCommand::tr("Version found: %1").arg(result.version) << '\n'
        << (result.newer ? UpdateCommand::tr("newer than this program's version %1")
                         : UpdateCommand::tr("not newer than this program's version %1"))
               .arg(setup.currentVersion)
        << Qt::endl;
    return result.newer ? 0 : 1;
}

// A bar on the terminal, redrawn when its percentage (or, without a size, its KiB) changes.
class TerminalBar
{
public:
    explicit TerminalBar(QTextStream &err) : m_err(err) {}
    ~TerminalBar()
    {
        if (m_drawn)
            m_err << Qt::endl;
    }

    void show(qint64 received, qint64 total)
    {
        constexpr int Width = 30;
        const qint64 mark = total > 0 ? received * 100 / total : received / 1024;
        if (m_drawn && mark == m_lastMark)
            return;
        m_lastMark = mark;
        m_drawn = true;
        if (total > 0) {
            const int filled = int(mark * Width / 100);
            m_err << "\r[" << QString(filled, QLatin1Char('#'))
                  << QString(Width - filled, QLatin1Char(' ')) << "] "
                  << QString::number(mark).rightJustified(3) << "% "
                  << UpdateCommand::tr("%1 of %2 KiB").arg(received / 1024).arg(total / 1024)
                  << Qt::flush;
        } else {
            m_err << "\r" << UpdateCommand::tr("%1 KiB").arg(received / 1024) << Qt::flush;
        }
    }

private:
    QTextStream &m_err;
    bool m_drawn = false;
    qint64 m_lastMark = -1;
};

int download(const UpdateCommandSetup &setup, const QString &folder, QTextStream &out,
             QTextStream &err)
{
    if (!QFileInfo(folder).isDir()) {
        err << UpdateCommand::tr("The folder %1 does not exist.")
                   .arg(QDir::toNativeSeparators(folder))
            << Qt::endl;
        return 1;
    }
    CurlTransport transport(setup.limits);
    SetupDownload download(transport, setup.servers, setup.publicKey, setup.limits);
    const std::atomic_bool cancel = false;
    SetupDownload::Result result;
    {
        TerminalBar bar(err);
        result = download.run(
            folder, [&bar](qint64 received, qint64 total) { bar.show(received, total); }, cancel);
    }
    if (result.status != SetupDownload::Result::Verified) {
        err << result.message << Qt::endl;
        return 1;
    }
    out << UpdateCommand::tr("Downloaded and verified %1")
               .arg(QDir::toNativeSeparators(result.path))
        << Qt::endl;
    return 0;
}

} // namespace

UpdateCommandSetup UpdateCommandSetup::fromSettings()
{
    return {UpdateServers::fromSettings(),
            SetupSignature::builtInPublicKey(),
            VersionText::programVersion(),
            {}};
}

int runUpdateCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    return runUpdateCommandWith(args, out, err, UpdateCommandSetup::fromSettings());
}

int runUpdateCommandWith(const QStringList &args, QTextStream &out, QTextStream &err,
                         const UpdateCommandSetup &setup)
{
    if (args.isEmpty() || args == QStringList{QStringLiteral("--check")})
        return check(setup, out, err);
    if (args.size() == 2 && args.first() == QLatin1String("--download"))
        return download(setup, args.at(1), out, err);
    err << UpdateCommand::tr("Usage: verdimo-cli update [--check | --download DIR]") << '\n';
    return 2;
}
