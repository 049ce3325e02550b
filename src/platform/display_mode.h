#pragma once

#include <QList>

#include <memory>

namespace ixo {

// One mode the display offers.
struct DisplayMode
{
    int width = 0;
    int height = 0;
    int refreshRate = 0; // hertz; 0 when not reported

    friend bool operator==(const DisplayMode &, const DisplayMode &) = default;
};

// The four operations the full-screen switch needs from the display system.
class DisplayBackend
{
public:
    virtual ~DisplayBackend() = default;
    virtual DisplayMode currentMode() = 0;                            // size and refresh rate (0 when not reported)
    virtual QList<DisplayMode> modes() = 0;                           // the modes offered, in the system's order
    virtual bool setMode(int width, int height, int refreshRate) = 0; // refreshRate 0: any rate
};

// The backend in use, chosen on first use: XRandR when the windows live on an X server that has it; else
// one that offers no modes, so that Full Screen reports that 640 by 480 is not available.
DisplayBackend &CurrentDisplayBackend();
// Test seam: use `backend` instead (nullptr: choose again on next use). The display counts as not switched.
void SetDisplayBackendForTesting(std::unique_ptr<DisplayBackend> backend);

// What the full-screen switch picks from the modes offered.
struct FullScreenChoice
{
    bool found = false;  // some 640 by 480 mode is offered
    int refreshRate = 0; // the rate to ask for; 0: let the system pick
};

// Scans `offered` in order. A 640 by 480 mode at `currentRate` is taken at once (the scan stops there);
// otherwise the highest offered 640 by 480 rate that is at least 60 and below `currentRate`; else 0.
// Rates are compared as 16-bit values, as they are stored in the test state.
FullScreenChoice ChooseFullScreenMode(int currentRate, const QList<DisplayMode> &offered);

// START with Full Screen: records the current mode in the test state (SavedWidth, SavedHeight,
// SavedRefreshRate), picks a 640 by 480 mode with ChooseFullScreenMode and switches to it. Returns whether a
// 640 by 480 mode exists. While an earlier switch has not been restored, the recorded mode is kept, so the
// mode to go back to is never 640 by 480 itself.
bool EnterFullScreen();

// Switches the display to width x height at refreshRate (0: the system picks the rate). Returns 0 when the
// display switched, -1 when it did not. The switch lasts only while the X session does; nothing is written
// to any configuration.
int SetDisplayMode(int width, int height, int refreshRate);

// When FullScreen is on, switches back to the mode recorded by EnterFullScreen. Called on every way into
// the Test Review.
void RestoreSavedDisplayMode();

// Whether the display is at 640 by 480 by our doing: set by a successful switch in EnterFullScreen,
// cleared by RestoreSavedDisplayMode and RestoreDisplayIfSwitched.
bool DisplayIsSwitched();

// The restore for the ways out of the program: while switched, goes back to the recorded mode whatever
// the settings say.
void RestoreDisplayIfSwitched();

// Called once at start, after the application object exists: restores the recorded mode on every way out
// of the program while switched: quitting the event loop (which closing the last window does), exit(), and
// SIGINT, SIGTERM and SIGHUP. After the restore a signal still ends the program as it would have without
// us, so the exit status is the usual one.
void InstallDisplayRestoreOnExit();

} // namespace ixo
