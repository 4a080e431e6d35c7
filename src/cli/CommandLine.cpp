#include "CommandLine.h"

#include "base/SettingsKeys.h"
#include "db/DbErrorText.h"
#include "db/DbException.h"
#include "db/FarmSession.h"

namespace {

const QString DatabaseOption = QStringLiteral("db");
const QString FromOption = QStringLiteral("from");
const QString ToOption = QStringLiteral("to");
const QString DateFormat = QStringLiteral("yyyy-MM-dd");

bool isHelp(const QString &arg)
{
    return arg == QLatin1String("--help") || arg == QLatin1String("-h");
}

// "-" alone is an argument (a file named so), anything else with a leading dash an option.
bool looksLikeOption(const QString &arg)
{
    return arg.size() > 1 && arg.startsWith(QLatin1Char('-'));
}

} // namespace

CommandLine::CommandLine(const QString &command, const QString &synopsis, const QString &summary)
    : m_command(command), m_synopsis(synopsis), m_summary(summary)
{
}

void CommandLine::addPositional(const QString &name)
{
    Q_ASSERT(m_requiredPositionals == m_positionalNames.size());
    m_positionalNames << name;
    ++m_requiredPositionals;
}

void CommandLine::addOptionalPositional(const QString &name)
{
    m_positionalNames << name;
}

void CommandLine::addFlag(const QString &name, const QString &description)
{
    addOption({name, QString(), description});
}

void CommandLine::addValueOption(const QString &name, const QString &valueName,
                                 const QString &description)
{
    addOption({name, valueName, description});
}

void CommandLine::addDateOption(const QString &name, const QString &description)
{
    addOption({name, QStringLiteral("YYYY-MM-DD"), description, true});
}

void CommandLine::addDatabaseOption()
{
    addValueOption(DatabaseOption, QStringLiteral("FILE"),
                   tr("use FILE instead of the database of the settings"));
}

void CommandLine::addPeriodOptions()
{
    addDateOption(FromOption, tr("first day (default: the first day of the working period)"));
    addDateOption(ToOption, tr("last day (default: the last day of the working period)"));
    m_hasPeriod = true;
}

void CommandLine::addOption(const Option &option)
{
    Q_ASSERT(!findOption(option.name));
    m_options << option;
}

const CommandLine::Option *CommandLine::findOption(const QString &name) const
{
    for (const Option &option : m_options) {
        if (option.name == name)
            return &option;
    }
    return nullptr;
}

QString CommandLine::usageLine() const
{
    return tr("Usage: verdimo-cli %1 %2").arg(m_command, m_synopsis).trimmed();
}

QString CommandLine::helpText() const
{
    QList<QPair<QString, QString>> rows;
    for (const Option &option : m_options) {
        QString left = QStringLiteral("--") + option.name;
        if (!option.valueName.isEmpty())
            left += QLatin1Char(' ') + option.valueName;
        rows.append({left, option.description});
    }
    rows.append({QStringLiteral("-h, --help"), tr("show this help")});
    qsizetype width = 0;
    for (const auto &row : std::as_const(rows))
        width = qMax(width, row.first.size());

    QString text = usageLine() + QLatin1Char('\n') + m_summary + QStringLiteral("\n\n") +
                   tr("Options:") + QLatin1Char('\n');
    for (const auto &[left, description] : std::as_const(rows))
        text +=
            QStringLiteral("  ") + left.leftJustified(width + 2) + description + QLatin1Char('\n');
    return text;
}

bool CommandLine::asksForHelp(const QStringList &args) const
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == QLatin1String("--"))
            return false;
        if (isHelp(arg))
            return true;
        // The value of an option is no option, whatever it looks like.
        const Option *option =
            arg.startsWith(QLatin1String("--")) ? findOption(arg.mid(2)) : nullptr;
        if (option && !option->valueName.isEmpty())
            ++i;
    }
    return false;
}

bool CommandLine::parse(const QStringList &args, QTextStream &out, QTextStream &err)
{
    m_positionals.clear();
    m_values.clear();
    if (asksForHelp(args)) {
        out << helpText() << Qt::flush;
        m_exitStatus = 0;
        return false;
    }
    const QString problem = readArguments(args);
    if (!problem.isEmpty()) {
        m_exitStatus = usageError(err, problem);
        return false;
    }
    m_exitStatus = 0;
    return true;
}

QString CommandLine::readArguments(const QStringList &args)
{
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (optionsEnded || !looksLikeOption(arg)) {
            if (m_positionals.size() == m_positionalNames.size())
                return tr("unexpected argument '%1'").arg(arg);
            m_positionals << arg;
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        const qsizetype equals = arg.indexOf(QLatin1Char('='));
        const QString name = arg.mid(2, equals < 0 ? -1 : equals - 2);
        const Option *option = arg.startsWith(QLatin1String("--")) ? findOption(name) : nullptr;
        if (!option)
            return tr("unknown option '%1'").arg(equals < 0 ? arg : arg.left(equals));
        QString value;
        if (equals >= 0) {
            if (option->valueName.isEmpty())
                return tr("option '--%1' takes no value").arg(name);
            value = arg.mid(equals + 1);
        } else if (!option->valueName.isEmpty()) {
            if (i + 1 >= args.size() || looksLikeOption(args.at(i + 1)))
                return tr("option '--%1' needs a value %2").arg(name, option->valueName);
            value = args.at(++i);
        }
        const QString problem = store(*option, value);
        if (!problem.isEmpty())
            return problem;
    }
    if (m_positionals.size() < m_requiredPositionals)
        return tr("%1 is missing").arg(m_positionalNames.at(m_positionals.size()));
    if (m_hasPeriod) {
        const WorkingPeriod days = period();
        if (days.start.isValid() && days.end.isValid() && days.start > days.end)
            return periodBackwards(days);
    }
    return {};
}

QString CommandLine::store(const Option &option, const QString &value)
{
    if (option.valueName.isEmpty()) {
        m_values.insert(option.name, QString());
        return {};
    }
    if (m_values.contains(option.name))
        return tr("option '--%1' is given more than once").arg(option.name);
    if (option.isDate && !QDate::fromString(value, DateFormat).isValid())
        return tr("'%1' is not a day written YYYY-MM-DD").arg(value);
    m_values.insert(option.name, value);
    return {};
}

int CommandLine::usageError(QTextStream &err, const QString &problem) const
{
    err << "verdimo-cli " << m_command << ": " << problem << '\n'
        << usageLine() << '\n'
        << tr("Try 'verdimo-cli %1 --help' for the options.").arg(m_command) << Qt::endl;
    return UsageError;
}

QDate CommandLine::date(const QString &name) const
{
    return QDate::fromString(value(name), DateFormat);
}

QString CommandLine::databasePath() const
{
    return isSet(DatabaseOption) ? value(DatabaseOption) : SettingsKeys::Database.read();
}

// Names the end the user did not give, which came from the settings, so that a date the user
// never typed is not taken for a mistake of theirs.
QString CommandLine::periodBackwards(const WorkingPeriod &days) const
{
    const QString period =
        tr("the period from %1 to %2 ends before it starts")
            .arg(days.start.toString(Qt::ISODate), days.end.toString(Qt::ISODate));
    if (!isSet(ToOption))
        return tr("%1: its last day comes from the working period in the settings; give --to")
            .arg(period);
    if (!isSet(FromOption))
        return tr("%1: its first day comes from the working period in the settings; give --from")
            .arg(period);
    return period;
}

WorkingPeriod CommandLine::period() const
{
    WorkingPeriod days = FarmSession::storedPeriod();
    if (isSet(FromOption))
        days.start = date(FromOption);
    if (isSet(ToOption))
        days.end = date(ToOption);
    return days;
}

bool CommandLine::checkPeriod(QTextStream &err) const
{
    const WorkingPeriod days = period();
    if (days.start.isValid() && days.end.isValid())
        return true;
    err << tr("The working period in the settings is empty; give --from and --to.") << Qt::endl;
    return false;
}

bool CommandLine::openFarm(FarmSession &farm, QTextStream &err) const
{
    const QString path = databasePath();
    if (path.isEmpty()) {
        err << tr("No database: give one with --db FILE or choose one in the settings.")
            << Qt::endl;
        return false;
    }
    try {
        farm.open(path);
        return true;
    } catch (const DbException &error) {
        failure(err, error, path);
        return false;
    }
}

int CommandLine::failure(QTextStream &err, const DbException &error, const QString &file)
{
    err << DbErrorText::describe(error, file) << Qt::endl;
    return Failed;
}
