#include "CMainFrame.h"
#include "CTellanApp.h"
#include "ProgramArguments.h"
#include "SettingsCommand.h"
#include "ViewJoining.h"
#include "base/Translations.h"
#include "online/VersionText.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>

namespace {

void nameTheProgram()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Brivex"));
    QCoreApplication::setApplicationName(QStringLiteral("Tellan"));
    QCoreApplication::setApplicationVersion(VersionText::programVersion());
}

// --help, --version and a mistake in the arguments are answered on a plain application, which
// needs no display.
int answerWithoutWindow(const ProgramArguments &arguments, int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    nameTheProgram();
    installTranslations(application, SettingsCommand::storedLanguage());
    switch (arguments.action()) {
    case ProgramArguments::Action::Help:
        QTextStream(stdout) << ProgramArguments::usage();
        return 0;
    case ProgramArguments::Action::Version:
        QTextStream(stdout) << ProgramArguments::versionText();
        return 0;
    case ProgramArguments::Action::UsageError:
    case ProgramArguments::Action::Run:
        break;
    }
    QTextStream(stderr) << QStringLiteral("verdimo: %1\n\n").arg(arguments.error())
                        << ProgramArguments::usage();
    return ProgramArguments::UsageError;
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList given;
    for (int i = 1; i < argc; ++i)
        given << QString::fromLocal8Bit(argv[i]);
    const ProgramArguments arguments = ProgramArguments::parse(given);
    if (arguments.action() != ProgramArguments::Action::Run)
        return answerWithoutWindow(arguments, argc, argv);

    QApplication application(argc, argv);
    nameTheProgram();
    QGuiApplication::setDesktopFileName(QStringLiteral("com.brivex.Verdimo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Verdimo"));
    installTranslations(application, SettingsCommand::storedLanguage());

    CTellanApp app;
    app.setFrameSetup([](CMainFrame &frame, FarmSession &farm) { joinViews(frame, farm); });
    app.setStartFile(arguments.file());
    if (!app.InitInstance())
        return app.ExitInstance(1);
    return app.ExitInstance(QApplication::exec());
}
