#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class InstanceLock;
class Prompter;

// The current display mode as start-up sees it.
struct DisplayMode
{
    bool readable = false;
    int width = 0;
    int height = 0;
    int depth = 0;
};

// The start-up rules that need no window: the installation key, the installation folder, the
// single running copy, the user data folder with its working database, and the display check.
// CTellanApp runs them in order; each refusal has already told the user why.
class StartupSteps
{
    Q_DECLARE_TR_FUNCTIONS(StartupSteps)
public:
    static constexpr int MinimumWidth = 800;
    static constexpr int MinimumHeight = 600;
    static constexpr int MinimumDepth = 16;

    // How long a start waits for a copy that is ending (its exit backup on a large farm takes
    // seconds) before it is refused as a second copy.
    static constexpr int EndingWaitMs = 10 * 60 * 1000;

    explicit StartupSteps(Prompter &prompter) : m_prompter(prompter) {}

    // Shown, again and again, while the start waits for a copy that is ending; false when the
    // user stops waiting, which ends the start without a further message.
    using WaitNotice = std::function<bool(const QString &text)>;
    void setWaitNotice(WaitNotice notice) { m_waitNotice = std::move(notice); }

    // A value of the machine-wide installation key (section Settings), empty when the key or
    // the value is missing or the value is unreasonably long.
    static QString installationValue(const QString &name);
    // First start of a user: copies Directory, DataInit and DataEnd from the installation key.
    // Later starts: the key's Directory wins over the user's.
    static void syncWithInstallationKey();
    // The Directory setting, set to programFolder (and stored) when it is empty.
    static QString installationFolder(const QString &programFolder);
    // relative joined under folder with exactly one separator.
    static QString underFolder(const QString &folder, const QString &relative);

    // Holds the lock for as long as the result lives; null (after the message) when another
    // running copy of the program, of this user or another, holds it. A copy whose window has
    // closed and that is still ending (backing its farm up) is waited for, never refused.
    // Where no lock can be had at all the program starts unguarded rather than never.
    std::unique_ptr<InstanceLock> claimSingleInstance(const QString &lockPath);
    // The lock file in the first of the folders that can be written, else in /tmp: a place
    // the same for every user of the machine (a user's own temporary folder differs between
    // users and sandboxes).
    static QString lockPath(const QStringList &folders);
    static QStringList machineLockFolders();
    // dataRoot/Brivex/Tellan, created as needed; empty (after the message) when it cannot be.
    QString userDataFolder(const QString &dataRoot);
    // Copies the template into the user folder unless a working database is there already, and
    // names that copy in the Database setting when no database is named yet.
    static void placeWorkingDatabase(const QString &userFolder, const QString &installFolder);
    // True when the display is large and deep enough; otherwise tells the user why.
    bool checkDisplay(const DisplayMode &mode);

    // True while no company name is stored: the company data are asked for at start.
    static bool companyMissing();

private:
    // The text that tells why the start waits; empty when the holder is not ending.
    static QString waitingText(const QString &lockPath);

    Prompter &m_prompter;
    WaitNotice m_waitNotice;
};
