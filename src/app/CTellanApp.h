#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>

class BackgroundBackup;
class BackupRotation;
class CMainFrame;
class Clock;
class FarmSession;
class InstanceLock;
class Prompter;

// The program's start-up and exit: settings kept in step with the installation, one running
// copy per computer, the user's working database, the display check, the main frame with its
// placement, and the company data at first use.
class CTellanApp
{
    Q_DECLARE_TR_FUNCTIONS(CTellanApp)
public:
    CTellanApp();
    ~CTellanApp();

    // Called once the frame exists and before its first view is made: the place to join the
    // farm session and the views to the frame and to set the handlers of the commands other
    // parts of the program carry out.
    using FrameSetup = std::function<void(CMainFrame &, FarmSession &)>;
    void setFrameSetup(FrameSetup setup);
    // A file given on the command line (or by the desktop): a farm database offered as the
    // working farm before the window opens, or a data archive offered for import once it is
    // open.
    void setStartFile(const QString &path) { m_startFile = path; }

    // Runs the start-up steps in order; false ends the program at once.
    bool InitInstance();
    // Closes the window, waits for the start-of-day backup, backs the database up when it
    // changed and releases the single-instance lock, which a copy started meanwhile waits
    // for; returns the exit code of the event loop.
    int ExitInstance(int exitCode);

    CMainFrame *mainFrame() const { return m_frame.get(); }
    // The farm the program works on; it outlives the frame and its views.
    FarmSession &farm() { return *m_farm; }

    // Where the program keeps the lock that allows one running copy per computer.
    static QString lockPath();

private:
    // At start, for a farm that cannot be opened or is damaged; true when a backup was put back.
    bool offerRestore(const QString &problem);
    // Asks about the start file; true when an archive is to be imported once the window is up.
    bool askAboutStartFile();
    void importStartArchive();
    // Starts the start-of-day backup when one is due; its note goes to the status bar.
    void startDayBackup();

    std::unique_ptr<Prompter> m_prompter;
    std::unique_ptr<InstanceLock> m_instanceLock;
    std::unique_ptr<FarmSession> m_farm;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<Clock> m_clock;
    std::unique_ptr<BackupRotation> m_backups;
    std::unique_ptr<BackgroundBackup> m_dayBackup;
    FrameSetup m_frameSetup;
    QString m_startFile;
};
