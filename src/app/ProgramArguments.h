#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The command line of the window program, read before any window system is touched, so that
// --help, --version and a mistake are answered without a display: verdimo [FILE], where FILE is
// a farm database to open or a data archive to import. Qt's own options (-platform, -style,
// ...) are left to the application object.
class ProgramArguments
{
    Q_DECLARE_TR_FUNCTIONS(ProgramArguments)

public:
    enum class Action { Run, Help, Version, UsageError };
    // Exit status of an argument mistake, as for verdimo-cli.
    static constexpr int UsageError = 2;

    // arguments without the program's own name.
    static ProgramArguments parse(const QStringList &arguments);

    Action action() const { return m_action; }
    // The file to open; empty when none was given.
    QString file() const { return m_file; }
    // What was wrong, for UsageError.
    QString error() const { return m_error; }

    static QString usage();
    static QString versionText();

private:
    static bool isQtOption(const QString &name, bool *takesValue);

    Action m_action = Action::Run;
    QString m_file;
    QString m_error;
};
