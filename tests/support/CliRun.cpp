#include "CliRun.h"

#include <QProcess>
#include <QProcessEnvironment>

CliRun CliRun::of(const QStringList &args, const QString &lang)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name :
         {"XDG_RUNTIME_DIR", "QT_QPA_PLATFORM", "LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), lang);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QString::fromLocal8Bit(qgetenv("VERDIMO_CLI")), args);
    if (!process.waitForFinished(60000))
        qFatal("verdimo-cli did not finish");
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
