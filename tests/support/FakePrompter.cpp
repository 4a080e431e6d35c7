#include "FakePrompter.h"

#include <QTest>

FakePrompter::~FakePrompter() = default;

void FakePrompter::expect(Icon icon, const QString &text, Answer answer)
{
    m_queue.append({Expected::Message, icon, text, answer});
}

void FakePrompter::expectContaining(Icon icon, const QString &part, Answer answer)
{
    m_queue.append({Expected::Message, icon, part, answer, true});
}

void FakePrompter::expectOpenFile(const QString &chosenPath)
{
    m_queue.append({Expected::OpenFile, Icon::Information, chosenPath, Answer::Ok});
}

void FakePrompter::expectSaveFile(const QString &chosenPath)
{
    m_queue.append({Expected::SaveFile, Icon::Information, chosenPath, Answer::Ok});
}

FakePrompter::Expected FakePrompter::take(Expected::Kind kind, const QString &what)
{
    if (m_queue.isEmpty() || m_queue.first().kind != kind) {
        m_failed = true;
        QTest::qFail(qPrintable(QStringLiteral("unexpected prompt: ") + what), __FILE__, __LINE__);
        return {kind, Icon::Information, QString(), Answer::Cancel};
    }
    return m_queue.takeFirst();
}

Prompter::Answer FakePrompter::message(Icon icon, const QString &text, Buttons buttons)
{
    m_shown << text;
    m_buttons << buttons;
    if (m_queue.isEmpty() || !m_queue.first().matches(icon, text)) {
        const QString wanted = m_queue.isEmpty() ? QStringLiteral("nothing") : m_queue.first().text;
        m_failed = true;
        QTest::qFail(
            qPrintable(QStringLiteral("unexpected message \"%1\" (icon %2), expected \"%3\"")
                           .arg(text)
                           .arg(int(icon))
                           .arg(wanted)),
            __FILE__, __LINE__);
        return Answer::Cancel;
    }
    return m_queue.takeFirst().answer;
}

QString FakePrompter::openFileName(const QString &title, const QString &folder, const QString &,
                                   const QString &suggestedName)
{
    m_suggestedNames << suggestedName;
    m_proposedFolders << folder;
    return take(Expected::OpenFile, QStringLiteral("open file ") + title).text;
}

QString FakePrompter::saveFileName(const QString &title, const QString &folder, const QString &,
                                   const QString &suggestedName)
{
    m_suggestedNames << suggestedName;
    m_proposedFolders << folder;
    return take(Expected::SaveFile, QStringLiteral("save file ") + title).text;
}

void FakePrompter::showHelp(int topic)
{
    m_helpTopics << topic;
}

bool FakePrompter::verify()
{
    for (const Expected &missing : std::as_const(m_queue))
        qWarning("expected prompt never came: %s", qPrintable(missing.text));
    return m_queue.isEmpty() && !m_failed;
}
