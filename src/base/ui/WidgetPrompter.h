#pragma once

#include "base/Prompter.h"

#include <functional>

class QWidget;

// The Prompter of the running program: modal message boxes titled "Verdimo", the platform's
// file dialogs, and help pages opened through a callback (the frame's help handler). A save
// dialog given no folder, or one this user cannot write, starts in FolderChoice's folder, and
// the folder of the file chosen is remembered for the next one.
class WidgetPrompter : public Prompter
{
public:
    explicit WidgetPrompter(QWidget *parent, std::function<void(int)> helpHandler = {});

    Answer message(Icon icon, const QString &text, Buttons buttons = Buttons::Ok) override;
    QString openFileName(const QString &title, const QString &folder, const QString &filter,
                         const QString &suggestedName) override;
    QString saveFileName(const QString &title, const QString &folder, const QString &filter,
                         const QString &suggestedName) override;
    void showHelp(int topic) override;

private:
    QWidget *m_parent;
    std::function<void(int)> m_helpHandler;
};
