// Going back to the recorded display mode when the program ends while the display is at 640 by 480.

#include "app/test_state.h"
#include "platform/display_mode.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace ixo {

namespace {

constexpr int kRestoringSignals[] = {SIGINT, SIGTERM, SIGHUP};

// The signal handler hands the signal number to the event loop through this pipe (the self-pipe trick):
// restoring the display talks to the X server, which is nothing to do inside a signal handler.
int g_signalPipe[2] = {-1, -1};

void endByDefaultAction(int signalNumber)
{
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(signalNumber, &action, nullptr);
    raise(signalNumber);
}

// Only async-signal-safe calls here: write, sigaction, raise.
extern "C" void onEndingSignal(int signalNumber)
{
    if (!DisplayIsSwitched()) {
        endByDefaultAction(signalNumber);
        return;
    }
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    if (write(g_signalPipe[1], &byte, 1) != 1)
        endByDefaultAction(signalNumber);
    errno = savedErrno;
}

extern "C" void restoreAtExit()
{
    RestoreDisplayIfSwitched();
}

void onSignalPipeReadable(int fd)
{
    unsigned char byte = 0;
    if (read(fd, &byte, 1) != 1)
        return;
    RestoreDisplayIfSwitched();
    endByDefaultAction(byte);
}

void installSignalHandlers()
{
    if (pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        g_signalPipe[0] = g_signalPipe[1] = -1;
        return;
    }
    auto *notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier,
                     [](QSocketDescriptor fd) { onSignalPipeReadable(int(fd)); });

    for (const int signalNumber : kRestoringSignals) {
        struct sigaction previous = {};
        sigaction(signalNumber, nullptr, &previous);
        if (previous.sa_handler == SIG_IGN)
            continue; // started to ignore it (nohup, background job): keep it that way
        struct sigaction action = {};
        action.sa_handler = onEndingSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(signalNumber, &action, nullptr);
    }
}

} // namespace

void InstallDisplayRestoreOnExit()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;

    // The test state is built now, so that it outlives the exit handler registered after it.
    State();
    std::atexit(restoreAtExit);

    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return;
    QObject::connect(app, &QCoreApplication::aboutToQuit, app, [] { RestoreDisplayIfSwitched(); });
    if (auto *guiApp = qobject_cast<QGuiApplication *>(app))
        QObject::connect(guiApp, &QGuiApplication::lastWindowClosed, guiApp, [] { RestoreDisplayIfSwitched(); });
    installSignalHandlers();
}

} // namespace ixo
