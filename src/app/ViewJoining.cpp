#include "ViewJoining.h"

#include "BackupRestoring.h"
#include "CMainFrame.h"
#include "RestoreDialog.h"
#include "base/Clock.h"
#include "base/Prompter.h"
#include "base/SettingsKeys.h"
#include "cards/CardStore.h"
#include "cards/ui/CMainView.h"
#include "chart/ui/CChartView.h"
#include "db/DbErrorText.h"
#include "db/DbException.h"
#include "db/FarmSession.h"
#include "exchange/BackupRotation.h"
#include "exchange/ui/ExchangeCommands.h"
#include "online/UpdateController.h"
#include "online/ui/UpdateUi.h"
#include "registries/RegistryEditor.h"
#include "registries/RegistryTreeModel.h"
#include "registries/ui/CTabelleView.h"
#include "reports/ui/CardPrinting.h"
#include "reports/ui/ListCsvExport.h"
#include "reports/ui/RegistryPrinting.h"
#include "reports/ui/TreatmentRecordExport.h"

#include <QStandardItem>

namespace {

// Shows the card view at the card holding the work, with the work selected, so an incomplete
// treatment can be completed where it was typed.
void openWorkOfCard(CMainFrame &frame, FarmSession &farm, qint64 cardId, qint64 workId)
{
    const QDate day = CardStore(farm.database()).dayOf(cardId);
    frame.switchToView(CMainFrame::CardsView);
    auto *cards = dynamic_cast<CMainView *>(frame.view(CMainFrame::CardsView));
    if (!day.isValid() || !cards || !cards->showWork(day, int(workId)))
        frame.prompter().warning(
            QCoreApplication::translate("ViewJoining", "The work of that treatment was not found; "
                                                       "it may have been changed meanwhile."));
}

void printFromRegistriesView(FarmSession &farm, CTabelleView &view, bool preview)
{
    RegistryEditor &editor = view.editor();
    const QStandardItem *node = editor.selectedNode();
    RegistryPrintList list{RegistryTreeModel::key(node), node->text(), editor.statistics().titles(),
                           view.listColumnWidths(), editor.statistics().allRows()};
    printRegistryNode(&view, farm, view.prompter(), preview, std::move(list));
}

void exportRegistriesList(CTabelleView &view)
{
    RegistryEditor &editor = view.editor();
    const QStandardItem *node = editor.selectedNode();
    ListCsvExport::run(editor.statistics(), node ? node->text() : QString(), view.prompter());
}

} // namespace

void joinViews(CMainFrame &frame, FarmSession &farm, Prompter *prompter, const Clock *clock)
{
    Q_ASSERT(&farm == &frame.farmSession());
    farm.settleFirstStart((clock ? clock->now() : QDateTime::currentDateTime()).date());
    if (!farm.isOpen()) {
        try {
            farm.openStored();
        } catch (const DbException &error) {
            (prompter ? *prompter : frame.prompter())
                .error(CMainFrame::databaseFailureText(
                    DbErrorText::describe(error, SettingsKeys::Database.read())));
        }
    }

    frame.registerView(
        CMainFrame::CardsView, [&farm, prompter, clock](QWidget *parent, ViewHost &host) {
            auto *view = new CMainView(parent, host, farm, prompter, clock);
            view->setPrintHandler([&farm, &host](CMainView &cards, bool preview) {
                printFromCardView(&cards, farm.database(), cards.prompter(), preview,
                                  cards.currentCardId(), farm.period(), host.searchWidget());
            });
            return view;
        });
    frame.registerView(CMainFrame::RegistriesView,
                       [&farm, prompter, clock](QWidget *parent, ViewHost &host) {
                           auto *view = new CTabelleView(parent, host, farm, prompter, clock);
                           view->setPrintHandler([&farm](CTabelleView &registries, bool preview) {
                               printFromRegistriesView(farm, registries, preview);
                           });
                           view->setListExportHandler(exportRegistriesList);
                           return view;
                       });
    frame.registerView(CMainFrame::ChartView,
                       [&farm, prompter](QWidget *parent, ViewHost &host) -> RecordView * {
                           return new CChartView(parent, host, farm, prompter);
                       });

    frame.setCommandHandler(FrameCommand::ExportData,
                            [&frame] { ExchangeCommands::exportData(&frame); });
    frame.setCommandHandler(FrameCommand::ImportData, [&frame, &farm] {
        ExchangeCommands::importData(
            &frame, [&frame] { frame.ReloadViews(); }, &farm);
    });
    frame.setCommandHandler(FrameCommand::BackupData,
                            [&frame] { ExchangeCommands::backupData(&frame); });
    frame.setCommandHandler(FrameCommand::ExportListCsv, [&frame] {
        if (auto *view = dynamic_cast<CTabelleView *>(frame.activeView()))
            view->exportList();
    });
    frame.setCommandHandler(FrameCommand::Restore, [&frame, &farm] {
        const SystemClock clock;
        BackupRotation rotation(BackupRotation::defaultFolder(), clock,
                                BackupRotation::keptFromSettings());
        RestoreDialog dialog(rotation.backups(), rotation.folder(), frame.prompter(), &frame);
        if (dialog.exec() == QDialog::Accepted && !dialog.archive().isEmpty())
            BackupRestoring(farm, rotation, frame.prompter()).restore(dialog.archive());
    });
    frame.setCommandHandler(FrameCommand::ExportTreatmentRecord, [&frame, &farm] {
        if (!farm.isOpen())
            return;
        TreatmentRecordExport exporter(farm.database(), farm.period(), frame.prompter());
        exporter.setIncompleteLister(TreatmentRecordExport::dialogLister(
            &frame, [&frame, &farm](qint64 cardId, qint64 workId) {
                openWorkOfCard(frame, farm, cardId, workId);
            }));
        exporter.run(TreatmentRecordExport::dialogChooser(&frame),
                     TreatmentRecord::Company::of(farm.company()));
    });

    UpdateController *updates = UpdateUi::attach(&frame, frame.prompter());
    QObject::connect(updates, &UpdateController::quitRequested, &frame, [&frame] {
        if (frame.close())
            QCoreApplication::exit(0);
    });
    frame.setCommandHandler(FrameCommand::Update, [updates] { updates->checkNow(false); });
    frame.setCommandHandler(FrameCommand::AutoUpdateCheck, [updates] { updates->checkNow(true); });
}
