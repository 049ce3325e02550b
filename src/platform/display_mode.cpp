#include "platform/display_mode.h"

#include "app/test_state.h"

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

std::unique_ptr<DisplayBackend> &backendSlot()
{
    static std::unique_ptr<DisplayBackend> backend;
    return backend;
}

} // namespace

DisplayBackend &CurrentDisplayBackend()
{
    if (!backendSlot())
        backendSlot() = std::make_unique<NoDisplayBackend>();
    return *backendSlot();
}

void SetDisplayBackendForTesting(std::unique_ptr<DisplayBackend> backend)
{
    backendSlot() = std::move(backend);
}

bool EnterFullScreen()
{
    return false;
}

int SetDisplayMode(int width, int height, int refreshRate)
{
    return CurrentDisplayBackend().setMode(width, height, refreshRate) ? 0 : -1;
}

void RestoreSavedDisplayMode()
{
    if (Settings().FullScreen == -1)
        SetDisplayMode(State().SavedWidth, State().SavedHeight, State().SavedRefreshRate);
}

} // namespace ixo
