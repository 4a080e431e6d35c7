#pragma once

#include "base/Prompter.h"

// Answers questions as told, names the given archive for every file choice, stops the
// benchmark on any error or warning, and counts every message, for the benchmarks that expect
// none.
class BenchPrompter : public Prompter
{
public:
    explicit BenchPrompter(QString archive = {}, Answer answer = Answer::Yes);

    Answer message(Icon icon, const QString &text, Buttons buttons) override;
    QString openFileName(const QString &title, const QString &folder, const QString &filter,
                         const QString &suggestedName) override;
    QString saveFileName(const QString &title, const QString &folder, const QString &filter,
                         const QString &suggestedName) override;
    void showHelp(int) override {}

    int messageCount() const { return m_messages; }

private:
    QString m_archive;
    Answer m_answer;
    int m_messages = 0;
};
