#include "CMainFrame.h"
#include "CTellanApp.h"
#include "cards/ui/CMainView.h"
#include "chart/ui/CChartView.h"
#include "exchange/ui/ExchangeCommands.h"
#include "online/UpdateController.h"
#include "online/ui/UpdateUi.h"
#include "registries/ui/CTabelleView.h"
#include "reports/ui/CardPrinting.h"

#include <QApplication>

namespace {

RecordView *createCardView(QWidget *parent, ViewHost &host)
{
    auto *view = static_cast<CMainView *>(CMainView::create(parent, host));
    view->setPrintHandler([&host](CMainView &cards, bool preview) {
        printFromCardView(&cards, *cards.database(), cards.prompter(), preview,
                          cards.currentCardId(), cards.workingPeriod(), host.searchWidget());
    });
    return view;
}

RecordView *createRegistriesView(QWidget *parent, ViewHost &host)
{
    return new CTabelleView(parent, host);
}

// Joins the subsystems to the frame: its views and the File menu's data commands.
void setUpFrame(CMainFrame &frame)
{
    frame.registerView(1, createCardView);
    frame.registerView(2, createRegistriesView);
    frame.registerView(3, CChartView::create);
    frame.setCommandHandler(FrameCommand::ExportData,
                            [&frame] { ExchangeCommands::exportData(&frame); });
    frame.setCommandHandler(FrameCommand::ImportData, [&frame] {
        ExchangeCommands::importData(&frame, [&frame] { frame.ReloadViews(); });
    });
    frame.setCommandHandler(FrameCommand::BackupData,
                            [&frame] { ExchangeCommands::backupData(&frame); });
    UpdateController *updates = UpdateUi::attach(&frame, frame.prompter());
    QObject::connect(updates, &UpdateController::quitRequested, &frame, [&frame] {
        if (frame.close())
            QCoreApplication::exit(0);
    });
    frame.setCommandHandler(FrameCommand::Update, [updates] { updates->checkNow(false); });
    frame.setCommandHandler(FrameCommand::AutoUpdateCheck, [updates] { updates->checkNow(true); });
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Brivex"));
    QApplication::setApplicationName(QStringLiteral("Tellan"));
    QApplication::setApplicationDisplayName(QStringLiteral("Verdimo"));

    CTellanApp app;
    app.setFrameSetup(setUpFrame);
    if (!app.InitInstance())
        return app.ExitInstance(1);
    return app.ExitInstance(QApplication::exec());
}
