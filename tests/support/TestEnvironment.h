#pragma once

#include <QString>
#include <QTemporaryDir>
#include <source_location>

// Leaves the running test function when the outside program name is missing (after marking the
// test skipped, or failed under CI: see TestEnvironment::requireTool).
#define REQUIRE_TOOL(name)                                                                         \
    do {                                                                                           \
        if (TestEnvironment::requireTool(name).isEmpty())                                          \
            return;                                                                                \
    } while (false)

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

    // The path of the outside program name (unzip, 7z, pdftotext...) found on PATH. When it is
    // missing, the running test is marked skipped, or failed when the environment variable CI
    // is set: a CI run must not pass without the checks the tool makes. Empty then; the test
    // function must return at once.
    static QString requireTool(const QString &name,
                               std::source_location where = std::source_location::current());
    static bool isCi();

private:
    QTemporaryDir m_dir;
    int m_copies = 0;
};
