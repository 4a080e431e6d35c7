#pragma once

#include "base/Prompter.h"

#include <QTextStream>

// Messages of the commands printed on the terminal: information on standard output, warnings
// and errors on standard error. Questions take the answer given on the command line.
class CliPrompter : public Prompter
{
public:
    CliPrompter(QTextStream &out, QTextStream &err, Answer questionAnswer = Answer::No);

    Answer message(Icon icon, const QString &text, Buttons buttons = Buttons::Ok) override;
    QString openFileName(const QString &, const QString &, const QString &,
                         const QString &) override
    {
        return {};
    }
    QString saveFileName(const QString &, const QString &, const QString &,
                         const QString &) override
    {
        return {};
    }
    void showHelp(int) override {}

    int errorCount() const { return m_errors; }

private:
    QTextStream &m_out;
    QTextStream &m_err;
    Answer m_questionAnswer;
    int m_errors = 0;
};
