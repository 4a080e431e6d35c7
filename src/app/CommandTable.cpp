#include "CommandTable.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

QKeySequence key(QKeyCombination combination)
{
    return QKeySequence(combination);
}

QKeySequence key(Qt::Key alone)
{
    return QKeySequence(alone);
}

CommandRow row(int id, CommandTarget target, bool writes, const char *text, const char *prompt,
               CommandIcon icon = {}, QList<QKeySequence> keys = {})
{
    return CommandRow{id, text, prompt, std::move(keys), icon, target, writes};
}

QList<CommandRow> buildRows()
{
    using V = ViewCommand;
    using F = FrameCommand;
    using O = OwnCommand;
    return {
        row(IdExportData, F::ExportData, false, QT_TRANSLATE_NOOP("CMainFrame", "Export &data"),
            QT_TRANSLATE_NOOP("CMainFrame", "Export data to an archive\nExport data"),
            {"document-export", "export"}),
        row(IdImportData, F::ImportData, true, QT_TRANSLATE_NOOP("CMainFrame", "&Import data"),
            QT_TRANSLATE_NOOP("CMainFrame", "Import data from an archive\nImport data"),
            {"document-import", "import"}),
        row(IdCompany, O::Company, false, QT_TRANSLATE_NOOP("CMainFrame", "&Company"),
            QT_TRANSLATE_NOOP("CMainFrame", "Modify current company\nCompany")),
        row(IdBackupData, F::BackupData, false, QT_TRANSLATE_NOOP("CMainFrame", "Bac&kup data"),
            QT_TRANSLATE_NOOP("CMainFrame", "Backup data\nBackup")),
        row(IdExportTreatmentRecord, F::ExportTreatmentRecord, false,
            QT_TRANSLATE_NOOP("CMainFrame", "Export treatment rec&ord..."),
            QT_TRANSLATE_NOOP("CMainFrame", "Write the treatments of the working period as CSV or "
                                            "JSON records\nExport treatment record")),
        row(IdExportListCsv, F::ExportListCsv, false,
            QT_TRANSLATE_NOOP("CMainFrame", "Export &list as CSV..."),
            QT_TRANSLATE_NOOP("CMainFrame",
                              "Write the list shown in the registries as a CSV table\n"
                              "Export list as CSV")),
        row(IdRestore, F::Restore, true, QT_TRANSLATE_NOOP("CMainFrame", "&Restore..."),
            QT_TRANSLATE_NOOP("CMainFrame", "Put a backup back as the working database\nRestore")),
        row(IdOpenFarm, O::OpenFarm, false, QT_TRANSLATE_NOOP("CMainFrame", "Open &farm..."),
            QT_TRANSLATE_NOOP("CMainFrame",
                              "Make another farm database the working farm\nOpen farm"),
            {}, {QKeySequence::Open}),
        row(IdOpenDemoFarm, O::OpenDemoFarm, false,
            QT_TRANSLATE_NOOP("CMainFrame", "Open de&mo farm"),
            QT_TRANSLATE_NOOP("CMainFrame", "Open a demo farm with a few years of work cards, to "
                                            "try the program on\nOpen demo farm")),
        row(IdPrintSetup, O::PrintSetup, false, QT_TRANSLATE_NOOP("CMainFrame", "P&rint setup..."),
            QT_TRANSLATE_NOOP("CMainFrame", "Change the printer and printing options\nPage Setup")),
        row(IdPrintPreview, V::Preview, false, QT_TRANSLATE_NOOP("CMainFrame", "Prin&t preview"),
            QT_TRANSLATE_NOOP("CMainFrame", "Display full pages\nPrint Preview"),
            {"document-print-preview", "preview"}),
        row(IdPrint, V::Print, false, QT_TRANSLATE_NOOP("CMainFrame", "&Print"),
            QT_TRANSLATE_NOOP("CMainFrame", "Print the active document\nPrint"),
            {"document-print", "print"}),
        row(IdExit, O::Exit, false, QT_TRANSLATE_NOOP("CMainFrame", "&Exit"),
            QT_TRANSLATE_NOOP("CMainFrame", "Quit the application\nExit")),
        row(IdUndo, V::Undo, false, QT_TRANSLATE_NOOP("CMainFrame", "&Undo\tCtrl+Z"),
            QT_TRANSLATE_NOOP("CMainFrame", "Undo the last action\nUndo"), {},
            {key(Qt::CTRL | Qt::Key_Z), key(Qt::ALT | Qt::Key_Backspace)}),
        row(IdCut, V::Cut, false, QT_TRANSLATE_NOOP("CMainFrame", "Cu&t\tCtrl+X"),
            QT_TRANSLATE_NOOP("CMainFrame", "Cut the selection and put it on the Clipboard\nCut"),
            {"edit-cut", "cut"}, {key(Qt::CTRL | Qt::Key_X), key(Qt::SHIFT | Qt::Key_Delete)}),
        row(IdCopy, V::Copy, false, QT_TRANSLATE_NOOP("CMainFrame", "&Copy\tCtrl+C"),
            QT_TRANSLATE_NOOP("CMainFrame", "Copy the selection and put it on the Clipboard\nCopy"),
            {"edit-copy", "copy"}, {key(Qt::CTRL | Qt::Key_C), key(Qt::CTRL | Qt::Key_Insert)}),
        row(IdPaste, V::Paste, false, QT_TRANSLATE_NOOP("CMainFrame", "&Paste\tCtrl+V"),
            QT_TRANSLATE_NOOP("CMainFrame", "Insert Clipboard contents\nPaste"),
            {"edit-paste", "paste"}, {key(Qt::CTRL | Qt::Key_V), key(Qt::SHIFT | Qt::Key_Insert)}),
        row(IdFirst, V::First, false, QT_TRANSLATE_NOOP("CMainFrame", "&First"),
            QT_TRANSLATE_NOOP("CMainFrame", "Move to first record\nFirst Record"),
            {"go-first", "first"}),
        row(IdPrevious, V::Previous, false, QT_TRANSLATE_NOOP("CMainFrame", "&Previous"),
            QT_TRANSLATE_NOOP("CMainFrame", "Move to previous record\nPrevious Record"),
            {"go-previous", "previous"}),
        row(IdNext, V::Next, false, QT_TRANSLATE_NOOP("CMainFrame", "&Next"),
            QT_TRANSLATE_NOOP("CMainFrame", "Move to next record\nNext Record"),
            {"go-next", "next"}),
        row(IdLast, V::Last, false, QT_TRANSLATE_NOOP("CMainFrame", "&Last"),
            QT_TRANSLATE_NOOP("CMainFrame", "Move to final record\nLast Record"),
            {"go-last", "last"}),
        row(IdAdd, V::Add, true, QT_TRANSLATE_NOOP("CMainFrame", "&Add"),
            QT_TRANSLATE_NOOP("CMainFrame", "Add a new record\nAdd"), {"document-new", "add"}),
        row(IdSave, V::Save, true, QT_TRANSLATE_NOOP("CMainFrame", "&Save"),
            QT_TRANSLATE_NOOP("CMainFrame", "Save record\nSave"), {"document-save", "save"}),
        row(IdDelete, V::Delete, true, QT_TRANSLATE_NOOP("CMainFrame", "&Delete"),
            QT_TRANSLATE_NOOP("CMainFrame", "Delete current record\nDelete"),
            {"edit-delete", "delete"}),
        row(IdNewWork, V::NewWork, true, QT_TRANSLATE_NOOP("CMainFrame", "N&ew work\tIns"),
            QT_TRANSLATE_NOOP("CMainFrame", "Add a new work to tab\nAdd work"),
            {"list-add", "newwork"}, {key(Qt::Key_Insert)}),
        row(IdDeleteWork, V::DeleteWork, true,
            QT_TRANSLATE_NOOP("CMainFrame", "Delete &work\tCtrl+Canc"),
            QT_TRANSLATE_NOOP("CMainFrame", "Delete selected rows in tab\nDelete row"), {},
            {key(Qt::CTRL | Qt::Key_Delete)}),
        row(IdCancelInsert, V::CancelInsert, false,
            QT_TRANSLATE_NOOP("CMainFrame", "&Cancel insert"),
            QT_TRANSLATE_NOOP("CMainFrame", "Undo current inserting\nUndo inserting"),
            {"edit-undo", "cancel"}),
        row(IdNewFieldsYear, V::NewFieldsYear, true,
            QT_TRANSLATE_NOOP("CMainFrame", "New fields &year"),
            QT_TRANSLATE_NOOP("CMainFrame",
                              "Copy the fields of a year into another year\nNew fields year")),
        row(IdSettings, O::Settings, false, QT_TRANSLATE_NOOP("CMainFrame", "&Settings"),
            QT_TRANSLATE_NOOP("CMainFrame", "Set application properties\nSettings")),
        row(IdToolBar, O::ToolBar, false, QT_TRANSLATE_NOOP("CMainFrame", "&Tool bar"),
            QT_TRANSLATE_NOOP("CMainFrame", "Show or hide the toolbar\nToggle ToolBar")),
        row(IdStatusBar, O::StatusBar, false, QT_TRANSLATE_NOOP("CMainFrame", "St&atus bar"),
            QT_TRANSLATE_NOOP("CMainFrame", "Show or hide the status bar\nToggle StatusBar")),
        row(IdSearchBar, O::SearchBar, false, QT_TRANSLATE_NOOP("CMainFrame", "&Search bar"),
            QT_TRANSLATE_NOOP("CMainFrame", "Show or hide the search window\nSearch bar")),
        row(IdRegistries, O::ShowRegistries, false,
            QT_TRANSLATE_NOOP("CMainFrame", "&Registries\tCtrl + T"),
            QT_TRANSLATE_NOOP("CMainFrame", "Show the registries\nRegistries"),
            {"x-office-address-book", "registries"}, {key(Qt::CTRL | Qt::Key_T)}),
        row(IdWorks, O::ShowCards, false, QT_TRANSLATE_NOOP("CMainFrame", "&Works\tCtrl + S"),
            QT_TRANSLATE_NOOP("CMainFrame", "Show the daily work cards\nWorks"),
            {"x-office-calendar", "works"}, {key(Qt::CTRL | Qt::Key_S)}),
        row(IdGraphs, O::ShowChart, false, QT_TRANSLATE_NOOP("CMainFrame", "&Graphs\tCtrl + G"),
            QT_TRANSLATE_NOOP("CMainFrame", "Show the weather chart\nGraphs"),
            {"x-office-spreadsheet", "graphs"}, {key(Qt::CTRL | Qt::Key_G)}),
        row(IdHelpOnline, V::Help, false, QT_TRANSLATE_NOOP("CMainFrame", "&Help online\tF1"),
            QT_TRANSLATE_NOOP("CMainFrame", "Open the online help\nHelp"), {}, {key(Qt::Key_F1)}),
        row(IdWebPage, O::WebPage, false, QT_TRANSLATE_NOOP("CMainFrame", "&Web page"),
            QT_TRANSLATE_NOOP("CMainFrame", "Open the Verdimo web page\nWeb page")),
        row(IdUpdate, F::Update, false, QT_TRANSLATE_NOOP("CMainFrame", "&Update"),
            QT_TRANSLATE_NOOP("CMainFrame", "Check for a newer version\nUpdate")),
        row(IdLatestNews, O::LatestNews, false, QT_TRANSLATE_NOOP("CMainFrame", "&Lastest news"),
            QT_TRANSLATE_NOOP("CMainFrame", "Show the latest news\nLatest news")),
        row(IdAbout, O::About, false, QT_TRANSLATE_NOOP("CMainFrame", "&About..."),
            QT_TRANSLATE_NOOP("CMainFrame",
                              "Display program information, version number and copyright\nAbout"),
            {"help-about", "about"}),
    };
}

} // namespace

const QList<CommandRow> &CommandTable::rows()
{
    static const QList<CommandRow> table = buildRows();
    return table;
}

const CommandRow *CommandTable::find(int id)
{
    const QList<CommandRow> &table = rows();
    const auto row = std::find_if(table.cbegin(), table.cend(),
                                  [id](const CommandRow &each) { return each.id == id; });
    return row == table.cend() ? nullptr : &*row;
}

const CommandRow *CommandTable::find(FrameCommand command)
{
    const QList<CommandRow> &table = rows();
    const auto row = std::find_if(table.cbegin(), table.cend(), [command](const CommandRow &each) {
        const auto *target = std::get_if<FrameCommand>(&each.target);
        return target && *target == command;
    });
    return row == table.cend() ? nullptr : &*row;
}

const QList<CommandTable::Menu> &CommandTable::menus()
{
    static const QList<Menu> table = {
        {QT_TRANSLATE_NOOP("CMainFrame", "&File"),
         {IdOpenFarm, IdSeparator, IdExportData, IdImportData, IdExportTreatmentRecord,
          IdExportListCsv, IdSeparator, IdCompany, IdBackupData, IdOpenDemoFarm, IdSeparator,
          IdPrintSetup, IdPrintPreview, IdPrint, IdSeparator, IdExit}},
        {QT_TRANSLATE_NOOP("CMainFrame", "&Edit"), {IdUndo, IdSeparator, IdCut, IdCopy, IdPaste}},
        {QT_TRANSLATE_NOOP("CMainFrame", "F&orms"),
         {IdFirst, IdPrevious, IdNext, IdLast, IdSeparator, IdAdd, IdSave, IdDelete, IdSeparator,
          IdNewWork, IdDeleteWork, IdSeparator, IdCancelInsert, IdSeparator, IdNewFieldsYear}},
        {QT_TRANSLATE_NOOP("CMainFrame", "&Program"), {IdSettings, IdSeparator, IdRestore}},
        {QT_TRANSLATE_NOOP("CMainFrame", "&View"),
         {IdToolBar, IdStatusBar, IdSearchBar, IdSeparator, IdRegistries, IdWorks, IdGraphs}},
        {QT_TRANSLATE_NOOP("CMainFrame", "&Help"),
         {IdHelpOnline, IdSeparator, IdWebPage, IdUpdate, IdLatestNews, IdSeparator, IdAbout}},
    };
    return table;
}

const QList<int> &CommandTable::toolBar()
{
    static const QList<int> ids = {
        IdExportData, IdImportData,   IdSeparator, IdCut,       IdCopy,  IdPaste,
        IdSeparator,  IdPrintPreview, IdPrint,     IdSeparator, IdFirst, IdPrevious,
        IdNext,       IdLast,         IdSeparator, IdAdd,       IdSave,  IdCancelInsert,
        IdDelete,     IdSeparator,    IdNewWork,   IdSeparator, IdWorks, IdRegistries,
        IdGraphs,     IdSeparator,    IdAbout};
    return ids;
}
