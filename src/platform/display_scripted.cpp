#include "platform/display_scripted.h"

namespace ixo {

ScriptedDisplayBackend::ScriptedDisplayBackend(DisplayMode current, QList<DisplayMode> offered)
    : m_start(current), m_current(current), m_offered(std::move(offered))
{
}

bool ScriptedDisplayBackend::setMode(int width, int height, int refreshRate)
{
    m_asked.append({width, height, refreshRate});
    if (m_refuse)
        return false;
    QList<DisplayMode> known = m_offered;
    known.prepend(m_start);
    for (const DisplayMode &mode : known) {
        if (mode.width == width && mode.height == height && (refreshRate == 0 || mode.refreshRate == refreshRate)) {
            m_current = mode;
            return true;
        }
    }
    return false;
}

ScriptedDisplayBackend &UseScriptedDisplay(DisplayMode current, QList<DisplayMode> offered)
{
    auto backend = std::make_unique<ScriptedDisplayBackend>(current, std::move(offered));
    ScriptedDisplayBackend &ref = *backend;
    SetDisplayBackendForTesting(std::move(backend));
    return ref;
}

} // namespace ixo
