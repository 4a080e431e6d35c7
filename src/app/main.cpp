#include "CMainFrame.h"
#include "CTellanApp.h"
#include "SettingsCommand.h"
#include "ViewJoining.h"
#include "base/Translations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Brivex"));
    QApplication::setApplicationName(QStringLiteral("Tellan"));
    QGuiApplication::setDesktopFileName(QStringLiteral("com.brivex.Verdimo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Verdimo"));
    installTranslations(application, SettingsCommand::storedLanguage());

    CTellanApp app;
    app.setFrameSetup([](CMainFrame &frame, FarmSession &farm) { joinViews(frame, farm); });
    if (!app.InitInstance())
        return app.ExitInstance(1);
    return app.ExitInstance(QApplication::exec());
}
