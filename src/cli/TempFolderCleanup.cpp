#include "TempFolderCleanup.h"

#include "exchange/ExchangeTemp.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace {

const int HandledSignals[] = {SIGINT, SIGTERM, SIGHUP};

// The handler only writes the signal's number here; the watching thread does the rest.
int signalPipe[2] = {-1, -1};

void onSignal(int signal)
{
    const char number = char(signal);
    const ssize_t written = ::write(signalPipe[1], &number, 1);
    static_cast<void>(written);
}

void watchSignals()
{
    char number = 0;
    ssize_t got = 0;
    do {
        got = ::read(signalPipe[0], &number, 1);
    } while (got < 0 && errno == EINTR);
    if (got != 1)
        return;
    ExchangeTemp::removeOwn();
    // Ends the program as the signal would have, with its status for the caller.
    std::signal(number, SIG_DFL);
    ::raise(number);
}

} // namespace

TempFolderCleanup::TempFolderCleanup()
{
    ExchangeTemp::removeStale();
    if (::pipe2(signalPipe, O_CLOEXEC) != 0)
        return;
    std::thread(watchSignals).detach();
    for (int signal : HandledSignals) {
        struct sigaction action = {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(signal, &action, nullptr);
    }
}

TempFolderCleanup::~TempFolderCleanup()
{
    ExchangeTemp::removeOwn();
}
