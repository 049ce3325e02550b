#pragma once

#include "platform/display_mode.h"

#include <memory>

namespace ixo {

// The display layer on X11: the output in use is the primary output, else the first connected output that
// shows a picture. Its current mode gives the size and the refresh rate; its modes are the modes offered;
// a switch changes the mode of its CRTC and fits the screen to it. Each call opens its own connection
// to the X server named by DISPLAY.
//
// Returns nullptr when there is no X server to reach or it lacks RandR 1.2.
std::unique_ptr<DisplayBackend> OpenXRandRDisplayBackend();

// The whole-hertz refresh rate of a mode timing, rounded to nearest (59.94 Hz is 60); 0 when the timing
// gives none.
int RoundedRefreshRate(unsigned long dotClock, unsigned int hTotal, unsigned int vTotal, bool doubleScan,
                       bool interlaced);

} // namespace ixo
