#include "BusyPrompter.h"

#include "UserTurn.h"

void BusyPrompter::setBusy(bool busy)
{
    if (busy && !m_busy)
        m_busy.emplace();
    else if (!busy)
        m_busy.reset();
}

Prompter::Answer BusyPrompter::message(Icon icon, const QString &text, Buttons buttons)
{
    const UserTurn turn;
    return m_prompter.message(icon, text, buttons);
}

QString BusyPrompter::openFileName(const QString &title, const QString &folder,
                                   const QString &filter, const QString &suggestedName)
{
    const UserTurn turn;
    return m_prompter.openFileName(title, folder, filter, suggestedName);
}

QString BusyPrompter::saveFileName(const QString &title, const QString &folder,
                                   const QString &filter, const QString &suggestedName)
{
    const UserTurn turn;
    return m_prompter.saveFileName(title, folder, filter, suggestedName);
}
