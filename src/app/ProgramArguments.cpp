#include "ProgramArguments.h"

#include "online/VersionText.h"

namespace {

ProgramArguments::Action helpOrVersion(const QString &argument)
{
    if (argument == QLatin1String("-h") || argument == QLatin1String("--help"))
        return ProgramArguments::Action::Help;
    if (argument == QLatin1String("-V") || argument == QLatin1String("--version"))
        return ProgramArguments::Action::Version;
    return ProgramArguments::Action::Run;
}

} // namespace

bool ProgramArguments::isQtOption(const QString &name, bool *takesValue)
{
    // The options QGuiApplication and QApplication take out of the command line themselves.
    static const QStringList withValue{
        QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
        QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
        QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
        QStringLiteral("qwindowtitle"),    QStringLiteral("style"),
        QStringLiteral("stylesheet"),      QStringLiteral("session"),
        QStringLiteral("display"),         QStringLiteral("geometry"),
        QStringLiteral("title"),           QStringLiteral("name"),
        QStringLiteral("visual")};
    static const QStringList withoutValue{QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                          QStringLiteral("nograb"),  QStringLiteral("dograb"),
                                          QStringLiteral("sync"),    QStringLiteral("testability")};
    *takesValue = withValue.contains(name);
    return *takesValue || withoutValue.contains(name) ||
           name.startsWith(QLatin1String("qmljsdebugger"));
}

ProgramArguments ProgramArguments::parse(const QStringList &arguments)
{
    ProgramArguments result;
    // --help and --version win wherever they stand, as in most programs.
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--"))
            break;
        const Action action = helpOrVersion(argument);
        if (action != Action::Run) {
            result.m_action = action;
            return result;
        }
    }
    QStringList files;
    bool onlyFiles = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (onlyFiles || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
            files << argument;
            continue;
        }
        if (argument == QLatin1String("--")) {
            onlyFiles = true;
            continue;
        }
        QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        const bool inlineValue = name.contains(QLatin1Char('='));
        name = name.section(QLatin1Char('='), 0, 0);
        bool takesValue = false;
        if (!isQtOption(name, &takesValue)) {
            result.m_action = Action::UsageError;
            result.m_error = tr("unknown option '%1'").arg(argument);
            return result;
        }
        if (takesValue && !inlineValue) {
            if (i + 1 >= arguments.size()) {
                result.m_action = Action::UsageError;
                result.m_error = tr("the option '%1' needs a value").arg(argument);
                return result;
            }
            ++i;
        }
    }
    if (files.size() > 1) {
        result.m_action = Action::UsageError;
        result.m_error = tr("one file at a time, not %1").arg(files.size());
        return result;
    }
    if (!files.isEmpty() && files.first().isEmpty()) {
        result.m_action = Action::UsageError;
        result.m_error = tr("the file name is empty");
        return result;
    }
    result.m_file = files.value(0);
    return result;
}

QString ProgramArguments::usage()
{
    return tr("Usage: verdimo [OPTIONS] [FILE]") + QLatin1String("\n\n") +
           tr("Keeps a farm's daily work cards and registries in a window. FILE is a farm\n"
              "database to open (.mdb) or a data archive to import (.czp).") +
           QLatin1String("\n\n") + tr("Options:") + QLatin1Char('\n') +
           tr("  -h, --help     show this help and exit") + QLatin1Char('\n') +
           tr("  -V, --version  show the version and exit") + QLatin1Char('\n') +
           tr("  Qt's own options such as -platform NAME or -style NAME are understood too.") +
           QLatin1String("\n\n") +
           tr("verdimo-cli does the same work without the window; see man verdimo.") +
           QLatin1Char('\n');
}

QString ProgramArguments::versionText()
{
    return QStringLiteral("verdimo %1\n").arg(VersionText::programVersion());
}
