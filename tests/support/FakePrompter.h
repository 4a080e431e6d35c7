#pragma once

#include "base/Prompter.h"

#include <QList>
#include <QStringList>

// A scripted Prompter: each expected message is queued with the answer to give. An unexpected
// message fails the running test; verify() fails when an expected one never came.
class FakePrompter : public Prompter
{
public:
    ~FakePrompter() override;

    void expect(Icon icon, const QString &text, Answer answer = Answer::Ok);
    // A message that holds the part, whatever else it says.
    void expectContaining(Icon icon, const QString &part, Answer answer = Answer::Ok);
    void expectOpenFile(const QString &chosenPath);
    void expectSaveFile(const QString &chosenPath);

    Answer message(Icon icon, const QString &text, Buttons buttons) override;
    QString openFileName(const QString &title, const QString &folder, const QString &filter,
                         const QString &suggestedName) override;
    QString saveFileName(const QString &title, const QString &folder, const QString &filter,
                         const QString &suggestedName) override;
    void showHelp(int topic) override;

    // True when every expected message came; reports the missing ones through QTest.
    bool verify();
    QList<int> helpTopics() const { return m_helpTopics; }
    QStringList shown() const { return m_shown; }
    // The buttons of each message shown, in the order of shown(): YesNoDefaultNo tells a
    // question whose default answer is No.
    QList<Buttons> buttonsShown() const { return m_buttons; }
    // The names the open and save dialogs proposed, in order.
    QStringList suggestedNames() const { return m_suggestedNames; }
    // The folders the open and save dialogs were to start in, in order.
    QStringList proposedFolders() const { return m_proposedFolders; }

private:
    struct Expected
    {
        enum Kind { Message, OpenFile, SaveFile } kind;
        Icon icon;
        QString text;
        Answer answer;
        bool partial = false;
        bool matches(Icon shownIcon, const QString &shown) const
        {
            return kind == Message && icon == shownIcon &&
                   (partial ? shown.contains(text) : shown == text);
        }
    };
    Expected take(Expected::Kind kind, const QString &what);

    QList<Expected> m_queue;
    QStringList m_shown;
    QList<Buttons> m_buttons;
    QStringList m_suggestedNames;
    QStringList m_proposedFolders;
    QList<int> m_helpTopics;
    bool m_failed = false;
};
