#pragma once

#include "base/WorkingPeriod.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QMap>
#include <QStringList>
#include <QTextStream>

class DbException;
class FarmSession;

// The arguments of one verdimo-cli command: its positional arguments, its options (--name,
// --name VALUE or --name=VALUE) and its help. Every command reads its arguments through one,
// so --help, mistakes and the options shared by several commands (--db, --from, --to) behave
// alike everywhere. A mistake is reported with the command's usage and exit status 2.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    static constexpr int UsageError = 2;

    // synopsis: the arguments as the usage line shows them, after "verdimo-cli COMMAND".
    CommandLine(const QString &command, const QString &synopsis, const QString &summary);

    // Each positional argument is required, in the order added.
    void addPositional(const QString &name);
    // An argument that may follow the required ones; the command decides when it must be there.
    void addOptionalPositional(const QString &name);
    void addFlag(const QString &name, const QString &description);
    void addValueOption(const QString &name, const QString &valueName, const QString &description);
    // A day written YYYY-MM-DD; any other value is a mistake.
    void addDateOption(const QString &name, const QString &description);
    // --db FILE: the farm database instead of the one of the settings.
    void addDatabaseOption();
    // --from and --to: the days worked on instead of the working period of the settings.
    void addPeriodOptions();

    QString command() const { return m_command; }
    QString synopsis() const { return m_synopsis; }
    QString summary() const { return m_summary; }
    QString usageLine() const;
    QString helpText() const;

    // Whether args ask for the command's help (-h or --help where an option may stand).
    bool asksForHelp(const QStringList &args) const;
    // Reads the arguments that follow the command name. False when the command must not go on:
    // after the help (printed on out) or a mistake (printed on err); exitStatus() tells which.
    bool parse(const QStringList &args, QTextStream &out, QTextStream &err);
    int exitStatus() const { return m_exitStatus; }
    // Reports a mistake the command found in its arguments; returns the exit status for it.
    int usageError(QTextStream &err, const QString &problem) const;

    QString positional(int index) const { return m_positionals.value(index); }
    int positionalCount() const { return int(m_positionals.size()); }
    bool isSet(const QString &name) const { return m_values.contains(name); }
    QString value(const QString &name) const { return m_values.value(name); }
    QDate date(const QString &name) const;
    // The file of --db, else the database named in the settings.
    QString databasePath() const;
    // The working period of the settings with the days of --from and --to put in.
    WorkingPeriod period() const;
    // Whether period() names both days; else says on err that --from and --to are needed.
    bool checkPeriod(QTextStream &err) const;

    // Opens databasePath() through farm, so that a command works on its farm as the window does:
    // the same schema upgrade, the same kept yearly sums, read-only when the file cannot be
    // written. False after saying on err why not (no file named, or the failure's kind with the
    // file and the engine's text).
    bool openFarm(FarmSession &farm, QTextStream &err) const;
    // Says on err what failed on file, in the words of the failure's kind; returns the exit
    // status of a failed command.
    static int failure(QTextStream &err, const DbException &error, const QString &file);
    // The exit status of a command that failed after telling the user why.
    static constexpr int Failed = 1;

private:
    struct Option
    {
        QString name;
        QString valueName;
        QString description;
        bool isDate = false;
    };

    const Option *findOption(const QString &name) const;
    void addOption(const Option &option);
    QString readArguments(const QStringList &args);
    QString store(const Option &option, const QString &value);
    QString periodBackwards(const WorkingPeriod &days) const;

    QString m_command;
    QString m_synopsis;
    QString m_summary;
    QStringList m_positionalNames;
    qsizetype m_requiredPositionals = 0;
    QList<Option> m_options;
    bool m_hasPeriod = false;

    QStringList m_positionals;
    QMap<QString, QString> m_values;
    int m_exitStatus = 0;
};
