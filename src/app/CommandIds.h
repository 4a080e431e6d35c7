#pragma once

// The numbers of the frame's commands. Status-bar prompts, tool-bar order and the help pages
// are keyed by them, and other installations' documentation refers to them.
enum CommandId : int {
    IdSeparator = 0,
    IdExportData = 32782,
    IdImportData = 32783,
    IdCompany = 32826,
    IdBackupData = 32822,
    IdOpenDemoFarm = 32870,
    IdExportTreatmentRecord = 32871,
    IdExportListCsv = 32872,
    IdRestore = 32873,
    IdOpenFarm = 32874,
    IdPrintSetup = 57606,
    IdPrintPreview = 32789,
    IdPrint = 32790,
    IdExit = 57665,
    IdUndo = 57643,
    IdCut = 57635,
    IdCopy = 57634,
    IdPaste = 57637,
    IdFirst = 59648,
    IdPrevious = 59651,
    IdNext = 59650,
    IdLast = 59649,
    IdAdd = 32775,
    IdSave = 32777,
    IdDelete = 32778,
    IdNewWork = 32800,
    IdDeleteWork = 32786,
    IdCancelInsert = 32798,
    IdNewFieldsYear = 32823,
    IdSettings = 32819,
    IdToolBar = 59392,
    IdStatusBar = 59393,
    IdSearchBar = 32818,
    IdRegistries = 32780,
    IdWorks = 32817,
    IdGraphs = 32820,
    IdHelpOnline = 32838,
    IdWebPage = 32829,
    IdUpdate = 32858,
    IdLatestNews = 32830,
    IdAbout = 57664,
};

// Commands of the frame whose work is done by another part of the program; the frame calls
// the handler set for each (CMainFrame::setCommandHandler) and disables the item until then.
enum class FrameCommand {
    ExportData,
    ImportData,
    BackupData,
    Update,
    AutoUpdateCheck,
    ExportTreatmentRecord,
    // Only while the registries view is the active view.
    ExportListCsv,
    Restore,
};
