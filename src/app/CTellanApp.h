#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>

class CMainFrame;
class Prompter;
class QLockFile;

// The program's start-up and exit: settings kept in step with the installation, one running
// copy per computer, the user's working database, the display check, the main frame with its
// placement, and the company data at first use.
class CTellanApp
{
    Q_DECLARE_TR_FUNCTIONS(CTellanApp)
public:
    CTellanApp();
    ~CTellanApp();

    // Called once the frame exists and before its first view is made: the place to register
    // the views and the handlers of the commands other parts of the program carry out.
    void setFrameSetup(std::function<void(CMainFrame &)> setup);

    // Runs the start-up steps in order; false ends the program at once.
    bool InitInstance();
    // Releases the single-instance lock; returns the exit code of the event loop.
    int ExitInstance(int exitCode);

    CMainFrame *mainFrame() const { return m_frame.get(); }

    // Where the program keeps the lock that allows one running copy per computer.
    static QString lockPath();

private:
    std::unique_ptr<Prompter> m_prompter;
    std::unique_ptr<QLockFile> m_instanceLock;
    std::unique_ptr<CMainFrame> m_frame;
    std::function<void(CMainFrame &)> m_frameSetup;
};
