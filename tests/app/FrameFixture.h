#pragma once

#include "FixedClock.h"

#include <QString>
#include <memory>

class CMainFrame;
class CMainView;
class CTabelleView;
class FakePrompter;
class FarmSession;
class TestEnvironment;

// The program's main window joined to its views as the program joins them, on the farm database
// the settings name, with 2015 as the working period and 1 June 2015 as the card to show. The
// clock stands at 1 July 2015, 9:30.
class FrameFixture
{
public:
    FrameFixture(TestEnvironment &env, FakePrompter &prompter);
    ~FrameFixture();

    // A fresh copy of the template holding the registry fixture's rows.
    QString seededFarm();
    // Names databasePath and the period in the settings, then opens and shows the window; false
    // when the window was not shown.
    bool start(const QString &databasePath);
    // The same on a first start: the settings name the database and nothing else.
    bool startFirstTime(const QString &databasePath);
    // Closes the window, then the farm.
    void stop();

    CMainFrame &frame() const { return *m_frame; }
    FarmSession &farm() const { return *m_farm; }
    CMainView *cards() const;
    CTabelleView *registries() const;
    // Whether the command is enabled once the window has brought its commands up to date.
    bool enabled(int commandId) const;
    int count(const QString &sql) const;
    FixedClock &clock() { return m_clock; }

private:
    bool show();

    TestEnvironment &m_env;
    FakePrompter &m_prompter;
    FixedClock m_clock{QDateTime(QDate(2015, 7, 1), QTime(9, 30))};
    std::unique_ptr<FarmSession> m_farm;
    std::unique_ptr<CMainFrame> m_frame;
};
