#pragma once

#include <QString>
#include <QTemporaryDir>

// A private world for one test: its own settings files and a temporary folder, so tests never
// touch the user's files and can run in parallel. Create it first in initTestCase().
class TestEnvironment
{
public:
    TestEnvironment();

    QString folder() const { return m_dir.path(); }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    // A fresh copy of the template database; the path names a new file on each call.
    QString copyTemplate(const QString &name = {});
    static QString templatePath();
    // Removes every stored setting of the user store.
    void clearSettings();

private:
    QTemporaryDir m_dir;
    int m_copies = 0;
};
