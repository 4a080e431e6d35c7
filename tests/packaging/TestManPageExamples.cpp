#include "TestEnvironment.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

QString sourceFile(const QString &relative)
{
    return QDir(qEnvironmentVariable("VERDIMO_SOURCE_DIR")).filePath(relative);
}

// The lines between .EX and .EE of the EXAMPLES section, as a reader types them.
QStringList examples(const QString &manPage)
{
    QFile file(manPage);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    const qsizetype section = text.indexOf(QLatin1String("\n.SH EXAMPLES"));
    const qsizetype start = text.indexOf(QLatin1String("\n.EX\n"), section);
    const qsizetype end = text.indexOf(QLatin1String("\n.EE"), start);
    if (section < 0 || start < 0 || end < 0)
        return {};
    QStringList lines =
        text.mid(start + 5, end - start - 5).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (QString &line : lines)
        line.replace(QLatin1String("\\-"), QLatin1String("-"));
    return lines;
}

// Size and change time of every file in folder.
QMap<QString, QPair<qint64, QDateTime>> files(const QString &folder)
{
    QMap<QString, QPair<qint64, QDateTime>> found;
    for (const QFileInfo &info : QDir(folder).entryInfoList(QDir::Files))
        found.insert(info.fileName(), {info.size(), info.lastModified()});
    return found;
}

} // namespace

// The examples of man verdimo-cli, run in their order on a fresh demo farm as a user would type
// them: each must succeed and write something that is not empty.
class TestManPageExamples : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;

private slots:
    void examplesWriteResults()
    {
        const QStringList lines = examples(sourceFile("resources/verdimo-cli.1"));
        QVERIFY2(lines.size() >= 10, qPrintable(lines.join('\n')));
        // Every command of the program is shown at work.
        const QStringList commands{"demo",   "check",           "process", "print",
                                   "chart",  "register-export", "export",  "import",
                                   "backup", "restore"};
        for (const QString &command : commands)
            QVERIFY2(!lines.filter(QRegularExpression("^verdimo-cli " + command + " ")).isEmpty(),
                     qPrintable(command));

        const QString folder = m_env.path("examples");
        QVERIFY(QDir().mkpath(folder));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("PATH", qEnvironmentVariable("VERDIMO_STAGE_DIR") + ':' +
                                       environment.value("PATH"));
        environment.insert("HOME", m_env.path("home"));
        QString variables;
        for (const QString &line : lines) {
            // A line that only names values for the lines after it.
            if (!line.startsWith("verdimo-cli ")) {
                variables += line + '\n';
                continue;
            }
            const auto before = files(folder);
            QProcess shell;
            shell.setProcessEnvironment(environment);
            shell.setWorkingDirectory(folder);
            shell.start("/bin/sh", {"-c", variables + line});
            QVERIFY2(shell.waitForFinished(300000), qPrintable(line));
            const QString out = QString::fromUtf8(shell.readAllStandardOutput());
            const QString err = QString::fromUtf8(shell.readAllStandardError());
            QVERIFY2(shell.exitStatus() == QProcess::NormalExit && shell.exitCode() == 0,
                     qPrintable(line + '\n' + out + err));

            // What the command wrote: a new or changed file, or its answer on the terminal.
            QStringList written;
            const auto after = files(folder);
            for (auto it = after.begin(); it != after.end(); ++it) {
                if (before.value(it.key()) != it.value())
                    written << it.key();
            }
            QVERIFY2(!written.isEmpty() || !out.trimmed().isEmpty(), qPrintable(line));
            for (const QString &name : written) {
                QVERIFY2(after.value(name).first > 0, qPrintable(line + ": " + name));
                // A table holds rows below its header.
                if (name.endsWith(".csv")) {
                    QFile csv(QDir(folder).filePath(name));
                    QVERIFY(csv.open(QIODevice::ReadOnly | QIODevice::Text));
                    const int rows = csv.readAll().trimmed().count('\n');
                    QVERIFY2(rows >= 1, qPrintable(line + ": " + name + " has no rows"));
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestManPageExamples)
#include "TestManPageExamples.moc"
