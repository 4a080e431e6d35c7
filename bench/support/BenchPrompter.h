#pragma once

#include "base/Prompter.h"

// Answers questions as told, names the given archive for every file choice, and stops the
// benchmark on any error or warning.
class BenchPrompter : public Prompter
{
public:
    BenchPrompter(QString archive, Answer answer);

    Answer message(Icon icon, const QString &text, Buttons buttons) override;
    QString openFileName(const QString &title, const QString &folder, const QString &filter,
                         const QString &suggestedName) override;
    QString saveFileName(const QString &title, const QString &folder, const QString &filter,
                         const QString &suggestedName) override;
    void showHelp(int) override {}

private:
    QString m_archive;
    Answer m_answer;
};
