#pragma once

#include "platform/display_mode.h"

namespace ixo {

// A display for tests: it starts in `current`, offers `offered` in that order and records every switch
// asked of it. A switch succeeds when an offered mode (or the starting one) has that size and rate (any
// rate when 0); the display is then in that mode.
class ScriptedDisplayBackend final : public DisplayBackend
{
public:
    ScriptedDisplayBackend(DisplayMode current, QList<DisplayMode> offered);

    DisplayMode currentMode() override { return m_current; }
    QList<DisplayMode> modes() override { return m_offered; }
    bool setMode(int width, int height, int refreshRate) override;

    // The mode the display is in now.
    DisplayMode current() const { return m_current; }
    // Every switch asked for, in order, as (width, height, refresh rate).
    const QList<DisplayMode> &switchesAsked() const { return m_asked; }
    // Makes every later switch fail (the display stays as it is).
    void refuseSwitches(bool refuse) { m_refuse = refuse; }

private:
    DisplayMode m_start;
    DisplayMode m_current;
    QList<DisplayMode> m_offered;
    QList<DisplayMode> m_asked;
    bool m_refuse = false;
};

// Puts a scripted display in place of the real one (see SetDisplayBackendForTesting) and returns it; it
// lives until the next backend is set.
ScriptedDisplayBackend &UseScriptedDisplay(DisplayMode current, QList<DisplayMode> offered);

} // namespace ixo
