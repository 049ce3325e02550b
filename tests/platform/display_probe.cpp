// A small program for the display-switch test on a real X server. It installs the restore on exit as
// Ixoran does, shows one window, then obeys one command per line on standard input:
//   enter    Full Screen as START does it; prints "entered found=F saved=WxH@R switched=S"
//   restore  the Test Review's restore; prints "restored"
//   center   centres the window on the screen as the test screens do; prints "screen=WxH window=X,Y WxH"
//   quit     leaves the event loop        exit   calls exit(0)        close  closes the only window
// It prints "ready" once it listens. End of input quits.
#include "app/test_state.h"
#include "platform/display_mode.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSocketNotifier>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

void say(const QString &line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

void obey(const QByteArray &command, QWindow &window)
{
    using namespace ixo;
    if (command == "enter") {
        Settings().FullScreen = -1;
        const bool found = EnterFullScreen();
        say(QStringLiteral("entered found=%1 saved=%2x%3@%4 switched=%5")
                .arg(int(found))
                .arg(State().SavedWidth)
                .arg(State().SavedHeight)
                .arg(State().SavedRefreshRate)
                .arg(int(DisplayIsSwitched())));
    } else if (command == "restore") {
        RestoreSavedDisplayMode();
        say(QStringLiteral("restored"));
    } else if (command == "center") {
        const QRect screen = window.screen()->geometry();
        window.setPosition(screen.center() - QPoint(window.width() / 2, window.height() / 2));
        say(QStringLiteral("screen=%1x%2 window=%3,%4 %5x%6")
                .arg(screen.width())
                .arg(screen.height())
                .arg(window.x())
                .arg(window.y())
                .arg(window.width())
                .arg(window.height()));
    } else if (command == "quit") {
        QCoreApplication::quit();
    } else if (command == "exit") {
        std::exit(0);
    } else if (command == "close") {
        window.close();
    } else {
        say(QStringLiteral("unknown command"));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    ixo::InstallDisplayRestoreOnExit();

    QWindow window;
    window.resize(640, 480);
    window.show();

    QByteArray pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[256];
        const ssize_t n = read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            input.setEnabled(false);
            QCoreApplication::quit();
            return;
        }
        pending.append(buffer, n);
        qsizetype end;
        while ((end = pending.indexOf('\n')) >= 0) {
            const QByteArray command = pending.left(end).trimmed();
            pending.remove(0, end + 1);
            obey(command, window);
        }
    });
    say(QStringLiteral("ready"));
    return app.exec();
}
