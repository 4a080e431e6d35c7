#include "BackgroundBackup.h"

#include <QThread>

BackgroundBackup::BackgroundBackup(QObject *parent) : QObject(parent) {}

BackgroundBackup::~BackgroundBackup()
{
    wait();
    delete m_thread;
}

bool BackgroundBackup::start(Work work)
{
    if (isRunning())
        return false;
    delete m_thread;
    m_outcome = {};
    // The outcome is written by the thread before it ends and read only after it ended.
    m_thread = QThread::create([this, work = std::move(work)] { m_outcome = work(); });
    connect(m_thread, &QThread::finished, this, &BackgroundBackup::ended, Qt::QueuedConnection);
    m_thread->start(QThread::LowPriority);
    return true;
}

bool BackgroundBackup::isRunning() const
{
    return m_thread && !m_thread->isFinished();
}

BackgroundBackup::Outcome BackgroundBackup::wait()
{
    if (m_thread)
        m_thread->wait();
    return m_outcome;
}

void BackgroundBackup::ended()
{
    // A later start may have replaced the thread whose end is told here.
    if (isRunning())
        return;
    emit finished(m_outcome);
}
