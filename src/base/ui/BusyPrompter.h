#pragma once

#include "BusyCursor.h"
#include "base/Prompter.h"

#include <optional>

// The prompter of a command that works under the wait cursor: every message and file dialog
// it opens shows the usual cursor while the user answers, and the wait cursor is back after.
class BusyPrompter : public Prompter
{
public:
    explicit BusyPrompter(Prompter &prompter) : m_prompter(prompter) {}

    // The wait cursor from now until setBusy(false) or the end of the prompter.
    void setBusy(bool busy);
    bool isBusy() const { return m_busy.has_value(); }

    Answer message(Icon icon, const QString &text, Buttons buttons = Buttons::Ok) override;
    QString openFileName(const QString &title, const QString &folder, const QString &filter,
                         const QString &suggestedName) override;
    QString saveFileName(const QString &title, const QString &folder, const QString &filter,
                         const QString &suggestedName) override;
    void showHelp(int topic) override { m_prompter.showHelp(topic); }

private:
    Prompter &m_prompter;
    std::optional<BusyCursor> m_busy;
};
