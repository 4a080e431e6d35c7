#include "CliPrompter.h"

CliPrompter::CliPrompter(QTextStream &out, QTextStream &err, Answer questionAnswer)
    : m_out(out), m_err(err), m_questionAnswer(questionAnswer)
{
}

Prompter::Answer CliPrompter::message(Icon icon, const QString &text, Buttons buttons)
{
    switch (icon) {
    case Icon::Information:
        m_out << text << Qt::endl;
        break;
    case Icon::Question:
        m_out << text << Qt::endl;
        break;
    case Icon::Warning:
    case Icon::Error:
        ++m_errors;
        m_err << text << Qt::endl;
        break;
    }
    if (icon != Icon::Question)
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    return m_questionAnswer;
}
