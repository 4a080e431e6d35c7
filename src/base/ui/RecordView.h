#pragma once

#include <QDateTime>

#include <functional>

class QWidget;

// Commands the frame routes to the active view; the view decides what each one means.
enum class ViewCommand {
    First,
    Previous,
    Next,
    Last,
    Add,
    Save,
    Delete,
    CancelInsert,
    NewWork,
    DeleteWork,
    NewFieldsYear,
    Print,
    Preview,
    Help,
    Undo,
    Cut,
    Copy,
    Paste,
    ToggleSearch,
};

// What a view may ask of the frame that hosts it.
class ViewHost
{
public:
    virtual ~ViewHost() = default;
    virtual void setSearchDate(const QDateTime &date) = 0;
    virtual void setSearchRange(const QDateTime &start, const QDateTime &end) = 0;
    virtual void showHelpPage(int page) = 0;
    // The search window, hidden by a view while it prints; none when the host has no such window.
    virtual QWidget *searchWidget() const { return nullptr; }
};

// One of the frame's interchangeable views (cards, registries, chart).
class RecordView
{
public:
    virtual ~RecordView() = default;

    virtual QWidget *widget() = 0;
    // Asked whenever the frame refreshes its menus and tool bar.
    virtual bool isCommandEnabled(ViewCommand command) const = 0;
    virtual void runCommand(ViewCommand command) = 0;

    // Set by the frame that hosts the view: brings the frame's menus and tool bar up to date.
    void setCommandsChangedHandler(std::function<void()> handler)
    {
        m_commandsChanged = std::move(handler);
    }

    // A day was picked in the frame's search window.
    virtual void searchDatePicked(const QDate &) {}
    // The frame is about to close: keep the user's unsaved work (store it or ask); false keeps
    // the frame open.
    virtual bool canClose() { return true; }
    // The frame is closing: write what the view keeps in the settings store.
    virtual void saveState() {}

protected:
    // The answers of isCommandEnabled may have changed through something other than a command
    // the frame ran (a selection, typing, a record saved on its own): the frame asks again.
    void commandsChanged() const
    {
        if (m_commandsChanged)
            m_commandsChanged();
    }

private:
    std::function<void()> m_commandsChanged;
};
