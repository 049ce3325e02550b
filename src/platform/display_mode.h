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
    virtual DisplayMode currentMode() = 0;      // size and refresh rate (0 when not reported)
    virtual QList<DisplayMode> modes() = 0;     // the modes offered, in the system's order
    virtual bool setMode(int width, int height, int refreshRate) = 0; // refreshRate 0: any rate
};

// The backend in use (XRandR on X11; one that offers no modes where no display system can switch).
DisplayBackend &CurrentDisplayBackend();
// Test seam: use `backend` instead (nullptr restores the real one).
void SetDisplayBackendForTesting(std::unique_ptr<DisplayBackend> backend);

// START with Full Screen: records the current mode in the test state, looks for a 640 by 480 mode with the
// best refresh rate and switches to it. Returns whether a 640 by 480 mode exists.
bool EnterFullScreen();

// Switches the display to width x height at refreshRate (0: the system picks the rate).
int SetDisplayMode(int width, int height, int refreshRate);

// When FullScreen is on, switches back to the mode recorded by EnterFullScreen. Called on every way into
// the Test Review.
void RestoreSavedDisplayMode();

} // namespace ixo
