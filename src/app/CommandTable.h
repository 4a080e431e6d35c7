#pragma once

#include "CommandIds.h"
#include "base/ui/RecordView.h"

#include <QKeySequence>
#include <QList>

#include <variant>

// Commands the frame carries out itself.
enum class OwnCommand {
    Company,
    OpenFarm,
    OpenDemoFarm,
    PrintSetup,
    Exit,
    Settings,
    ToolBar,
    StatusBar,
    SearchBar,
    ShowRegistries,
    ShowCards,
    ShowChart,
    WebPage,
    LatestNews,
    About,
};

// Who carries a command out: the active view, the handler another part of the program set
// for it, or the frame itself.
using CommandTarget = std::variant<ViewCommand, FrameCommand, OwnCommand>;

// A theme icon where the desktop has a fitting one, our own picture (resources/icons/FILE.svg)
// otherwise; a command without an icon has neither.
struct CommandIcon
{
    const char *theme = nullptr;
    const char *file = nullptr;
};

// One command of the frame's menus and tool bar.
struct CommandRow
{
    int id;
    // Untranslated, in the translation context of CMainFrame.
    const char *text;
    // The status-bar line, then after "\n" the tool tip.
    const char *prompt;
    QList<QKeySequence> keys;
    CommandIcon icon;
    CommandTarget target;
    // Off while the database can only be read, whatever its target answers.
    bool writes;
};

// The frame's commands, one row each, and where they stand in the menus and the tool bar.
class CommandTable
{
public:
    struct Menu
    {
        const char *title;
        QList<int> ids;
    };

    static const QList<CommandRow> &rows();
    // The row of the command id; null for an id the frame does not have.
    static const CommandRow *find(int id);
    // The command carried out by the handler set for it; null when no row has that target.
    static const CommandRow *find(FrameCommand command);
    // IdSeparator separates groups in both.
    static const QList<Menu> &menus();
    static const QList<int> &toolBar();
};
