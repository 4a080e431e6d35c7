#pragma once

#include <QString>

// How logic code talks to the user: message boxes, questions, file choices and help pages.
// Widgets implement it with real dialogs; tests use a scripted fake.
class Prompter
{
public:
    enum class Icon { Information, Warning, Error, Question };
    // YesNoDefaultNo: Yes and No with No as the default button, for a Yes that destroys data.
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, YesNoDefaultNo };
    enum class Answer { Ok, Cancel, Yes, No, Retry };

    virtual ~Prompter() = default;

    virtual Answer message(Icon icon, const QString &text, Buttons buttons = Buttons::Ok) = 0;
    // Empty result when the user cancels. The dialog proposes suggestedName in folder.
    virtual QString openFileName(const QString &title, const QString &folder, const QString &filter,
                                 const QString &suggestedName) = 0;
    virtual QString saveFileName(const QString &title, const QString &folder, const QString &filter,
                                 const QString &suggestedName) = 0;
    virtual void showHelp(int topic) = 0;

    void information(const QString &text) { message(Icon::Information, text); }
    void warning(const QString &text) { message(Icon::Warning, text); }
    void error(const QString &text) { message(Icon::Error, text); }
    Answer question(const QString &text, Buttons buttons = Buttons::YesNo)
    {
        return message(Icon::Question, text, buttons);
    }
};
