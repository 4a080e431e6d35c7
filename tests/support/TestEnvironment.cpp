#include "TestEnvironment.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

TestEnvironment::TestEnvironment()
{
    QStandardPaths::setTestModeEnabled(true);
    const QString config = m_dir.filePath(QStringLiteral("config"));
    qputenv("XDG_CONFIG_HOME", config.toUtf8());
    qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("data")).toUtf8());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config);
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope,
                       m_dir.filePath(QStringLiteral("xdg")));
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope,
                       m_dir.filePath(QStringLiteral("xdg")));
}

QString TestEnvironment::templatePath()
{
    return QString::fromLocal8Bit(qgetenv("VERDIMO_TEMPLATE"));
}

QString TestEnvironment::copyTemplate(const QString &name)
{
    const QString target =
        path(name.isEmpty() ? QStringLiteral("farm%1.mdb").arg(++m_copies) : name);
    QFile::remove(target);
    if (!QFile::copy(templatePath(), target))
        qFatal("cannot copy the template database %s", qPrintable(templatePath()));
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
}

void TestEnvironment::clearSettings()
{
    QSettings(QSettings::UserScope, QStringLiteral("Brivex"), QStringLiteral("Tellan")).clear();
}

bool TestEnvironment::isCi()
{
    const QByteArray value = qgetenv("CI").trimmed().toLower();
    return !value.isEmpty() && value != "0" && value != "false";
}

QString TestEnvironment::requireTool(const QString &name, std::source_location where)
{
    const QString path = QStandardPaths::findExecutable(name);
    if (!path.isEmpty())
        return path;
    if (isCi()) {
        const QString message =
            QStringLiteral("%1 is not installed; CI needs it (scripts/install-deps.sh)").arg(name);
        QTest::qFail(qPrintable(message), where.file_name(), int(where.line()));
    } else {
        const QString message = QStringLiteral("%1 is not installed").arg(name);
        QTest::qSkip(qPrintable(message), where.file_name(), int(where.line()));
    }
    return {};
}
