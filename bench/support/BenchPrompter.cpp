#include "BenchPrompter.h"

BenchPrompter::BenchPrompter(QString archive, Answer answer)
    : m_archive(std::move(archive)), m_answer(answer)
{
}

Prompter::Answer BenchPrompter::message(Icon icon, const QString &text, Buttons)
{
    ++m_messages;
    if (icon == Icon::Error || icon == Icon::Warning)
        qFatal("%s", qPrintable(text));
    return icon == Icon::Question ? m_answer : Answer::Ok;
}

QString BenchPrompter::openFileName(const QString &, const QString &, const QString &,
                                    const QString &)
{
    return m_archive;
}

QString BenchPrompter::saveFileName(const QString &, const QString &, const QString &,
                                    const QString &)
{
    return m_archive;
}
