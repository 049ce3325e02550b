#include "platform/display_mode.h"

#include "app/test_state.h"
#include "platform/display_xrandr.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>

#include <csignal>
#include <cstdint>

namespace ixo {

namespace {

// Offers no modes: Full Screen then reports that 640 by 480 is not available.
class NoDisplayBackend final : public DisplayBackend
{
public:
    DisplayMode currentMode() override { return {}; }
    QList<DisplayMode> modes() override { return {}; }
    bool setMode(int, int, int) override { return false; }
};

// At namespace scope (constant-initialised before main), so the backend outlives the exit handlers that
// restore the display.
std::unique_ptr<DisplayBackend> g_backend;

std::unique_ptr<DisplayBackend> &backendSlot()
{
    return g_backend;
}

// Read by the signal handlers, hence a sig_atomic_t.
volatile std::sig_atomic_t g_switched = 0;

// Switching X modes only moves our windows when they are drawn on X. Under another windowing system
// (Wayland, or the offscreen platform of the tests) the X server, if any, is not the one the candidate sees.
bool windowsLiveOnX11()
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return true;
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

// Qt learns of the new screen size from the X server's events some moments after the switch. A window
// centred before that would be centred on the old size, partly off the screen; so wait (briefly) until Qt
// has seen the new size. Neither timers nor input are handled meanwhile: no countdown can tick inside the
// handler that switches.
void waitUntilQtSeesScreenSize(int width, int height)
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()) || !windowsLiveOnX11())
        return;
    constexpr auto flags =
        QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers | QEventLoop::X11ExcludeTimers;
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 500) {
        const QScreen *screen = QGuiApplication::primaryScreen();
        if (screen && screen->geometry().size() == QSize(width, height))
            return;
        QCoreApplication::processEvents(flags);
        QThread::msleep(2);
    }
}

} // namespace

DisplayBackend &CurrentDisplayBackend()
{
    if (!backendSlot()) {
        if (windowsLiveOnX11())
            backendSlot() = OpenXRandRDisplayBackend();
        if (!backendSlot())
            backendSlot() = std::make_unique<NoDisplayBackend>();
    }
    return *backendSlot();
}

void SetDisplayBackendForTesting(std::unique_ptr<DisplayBackend> backend)
{
    backendSlot() = std::move(backend);
    g_switched = 0;
}

FullScreenChoice ChooseFullScreenMode(int currentRate, const QList<DisplayMode> &offered)
{
    const auto saved = static_cast<std::int16_t>(currentRate);
    FullScreenChoice choice;
    for (const DisplayMode &mode : offered) {
        if (mode.width != 640 || mode.height != 480)
            continue;
        choice.found = true;
        const auto f = static_cast<std::int16_t>(mode.refreshRate);
        if (f == saved) {
            choice.refreshRate = saved;
            break;
        }
        if (f < saved && f > choice.refreshRate && f >= 60)
            choice.refreshRate = f;
    }
    return choice;
}

bool EnterFullScreen()
{
    DisplayBackend &backend = CurrentDisplayBackend();
    TestState &state = State();
    if (!g_switched) {
        const DisplayMode current = backend.currentMode();
        state.SavedWidth = static_cast<std::int16_t>(current.width);
        state.SavedHeight = static_cast<std::int16_t>(current.height);
        state.SavedRefreshRate = static_cast<std::int16_t>(current.refreshRate);
    }
    const FullScreenChoice choice = ChooseFullScreenMode(state.SavedRefreshRate, backend.modes());
    if (!choice.found)
        return false;
    if (SetDisplayMode(640, 480, choice.refreshRate) == 0)
        g_switched = 1;
    return true;
}

int SetDisplayMode(int width, int height, int refreshRate)
{
    if (!CurrentDisplayBackend().setMode(width, height, refreshRate))
        return -1;
    waitUntilQtSeesScreenSize(width, height);
    return 0;
}

void RestoreSavedDisplayMode()
{
    if (Settings().FullScreen != -1)
        return;
    const TestState &state = State();
    SetDisplayMode(state.SavedWidth, state.SavedHeight, state.SavedRefreshRate);
    g_switched = 0;
}

bool DisplayIsSwitched()
{
    return g_switched != 0;
}

void RestoreDisplayIfSwitched()
{
    if (!g_switched)
        return;
    g_switched = 0;
    const TestState &state = State();
    SetDisplayMode(state.SavedWidth, state.SavedHeight, state.SavedRefreshRate);
}

} // namespace ixo
