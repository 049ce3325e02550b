#include "platform/display_xrandr.h"

#include <algorithm>
#include <cmath>

// Xlib defines macros (None, Status, Bool...) that clash with Qt names: its headers come last.
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

namespace ixo {

int RoundedRefreshRate(unsigned long dotClock, unsigned int hTotal, unsigned int vTotal, bool doubleScan,
                       bool interlaced)
{
    double lines = vTotal;
    if (doubleScan)
        lines *= 2;
    if (interlaced)
        lines /= 2;
    if (hTotal == 0 || lines <= 0)
        return 0;
    return static_cast<int>(std::lround(static_cast<double>(dotClock) / (hTotal * lines)));
}

namespace {

int refreshRateOf(const XRRModeInfo &mode)
{
    return RoundedRefreshRate(mode.dotClock, mode.hTotal, mode.vTotal, mode.modeFlags & RR_DoubleScan,
                              mode.modeFlags & RR_Interlace);
}

bool sideways(Rotation rotation)
{
    return rotation & (RR_Rotate_90 | RR_Rotate_270);
}

// X errors on our own connection are counted instead of ending the program (Xlib's default); errors on
// any other connection of the process go to the handler that was there before.
Display *g_checkedDisplay = nullptr;
int g_errorCount = 0;
XErrorHandler g_previousHandler = nullptr;

int onXError(Display *display, XErrorEvent *event)
{
    if (display == g_checkedDisplay) {
        ++g_errorCount;
        return 0;
    }
    return g_previousHandler ? g_previousHandler(display, event) : 0;
}

// One connection to the X server and what it says about the output in use.
class Session
{
public:
    Session()
    {
        m_display = XOpenDisplay(nullptr);
        if (!m_display)
            return;
        g_checkedDisplay = m_display;
        g_errorCount = 0;
        g_previousHandler = XSetErrorHandler(onXError);
        m_root = DefaultRootWindow(m_display);

        int eventBase = 0, errorBase = 0, major = 0, minor = 0;
        if (!XRRQueryExtension(m_display, &eventBase, &errorBase) || !XRRQueryVersion(m_display, &major, &minor) ||
            (major == 1 && minor < 2) || major < 1)
            return;
        m_hasRandR = true;

        m_resources = XRRGetScreenResourcesCurrent(m_display, m_root);
        if (m_resources && m_resources->noutput == 0) {
            // The server has not looked at its outputs yet: ask it to.
            XRRFreeScreenResources(m_resources);
            m_resources = XRRGetScreenResources(m_display, m_root);
        }
        if (m_resources)
            findOutputInUse();
    }

    ~Session()
    {
        if (m_crtc)
            XRRFreeCrtcInfo(m_crtc);
        if (m_output)
            XRRFreeOutputInfo(m_output);
        if (m_resources)
            XRRFreeScreenResources(m_resources);
        if (m_display) {
            XSync(m_display, False);
            XSetErrorHandler(g_previousHandler);
            g_checkedDisplay = nullptr;
            XCloseDisplay(m_display);
        }
    }

    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    bool hasRandR() const { return m_hasRandR; }
    // An output shows a picture through a CRTC.
    bool hasOutput() const { return m_crtc && m_crtc->mode != None; }
    Display *display() const { return m_display; }
    Window root() const { return m_root; }
    XRRScreenResources *resources() const { return m_resources; }
    RRCrtc crtcId() const { return m_crtcId; }
    const XRRCrtcInfo &crtc() const { return *m_crtc; }
    const XRROutputInfo &output() const { return *m_output; }

    const XRRModeInfo *modeInfo(RRMode id) const
    {
        for (int i = 0; i < m_resources->nmode; ++i)
            if (m_resources->modes[i].id == id)
                return &m_resources->modes[i];
        return nullptr;
    }

    // The mode as the screen shows it: width and height swapped on an output turned sideways.
    DisplayMode shown(const XRRModeInfo &mode) const
    {
        if (sideways(m_crtc->rotation))
            return {int(mode.height), int(mode.width), refreshRateOf(mode)};
        return {int(mode.width), int(mode.height), refreshRateOf(mode)};
    }

    bool errorsSeen()
    {
        XSync(m_display, False);
        return g_errorCount != 0;
    }

private:
    void findOutputInUse()
    {
        QList<RROutput> candidates;
        const RROutput primary = XRRGetOutputPrimary(m_display, m_root);
        if (primary != None)
            candidates.append(primary);
        for (int i = 0; i < m_resources->noutput; ++i)
            if (m_resources->outputs[i] != primary)
                candidates.append(m_resources->outputs[i]);

        for (const RROutput id : candidates) {
            XRROutputInfo *output = XRRGetOutputInfo(m_display, m_resources, id);
            if (output && output->connection == RR_Connected && output->crtc != None) {
                XRRCrtcInfo *crtc = XRRGetCrtcInfo(m_display, m_resources, output->crtc);
                if (crtc && crtc->mode != None) {
                    m_output = output;
                    m_crtc = crtc;
                    m_crtcId = output->crtc;
                    return;
                }
                if (crtc)
                    XRRFreeCrtcInfo(crtc);
            }
            if (output)
                XRRFreeOutputInfo(output);
        }
    }

    Display *m_display = nullptr;
    Window m_root = None;
    bool m_hasRandR = false;
    XRRScreenResources *m_resources = nullptr;
    XRROutputInfo *m_output = nullptr;
    XRRCrtcInfo *m_crtc = nullptr;
    RRCrtc m_crtcId = None;
};

// Physical size for a new screen size, keeping the screen's dots per inch (96 when it reports no size).
int millimetresFor(int pixels, int currentPixels, int currentMillimetres)
{
    if (currentPixels > 0 && currentMillimetres > 0)
        return std::max(1, int(std::lround(double(currentMillimetres) * pixels / currentPixels)));
    return std::max(1, int(std::lround(pixels * 25.4 / 96.0)));
}

class XRandRDisplayBackend final : public DisplayBackend
{
public:
    DisplayMode currentMode() override
    {
        Session session;
        if (!session.hasOutput())
            return {};
        const XRRCrtcInfo &crtc = session.crtc();
        m_leftMode = crtc.mode;
        const XRRModeInfo *mode = session.modeInfo(crtc.mode);
        return {int(crtc.width), int(crtc.height), mode ? refreshRateOf(*mode) : 0};
    }

    QList<DisplayMode> modes() override
    {
        Session session;
        QList<DisplayMode> offered;
        if (!session.hasOutput())
            return offered;
        const XRROutputInfo &output = session.output();
        for (int i = 0; i < output.nmode; ++i)
            if (const XRRModeInfo *mode = session.modeInfo(output.modes[i]))
                offered.append(session.shown(*mode));
        return offered;
    }

    bool setMode(int width, int height, int refreshRate) override
    {
        Session session;
        if (!session.hasOutput())
            return false;
        const RRMode target = findMode(session, width, height, refreshRate);
        if (target == None)
            return false;
        return switchCrtc(session, target, session.shown(*session.modeInfo(target)));
    }

private:
    // The output's first mode of that size and rate (any rate when 0); the mode we last found in use wins
    // when it matches, so that going back lands on the very mode left.
    RRMode findMode(const Session &session, int width, int height, int refreshRate) const
    {
        const XRROutputInfo &output = session.output();
        RRMode first = None;
        for (int i = 0; i < output.nmode; ++i) {
            const XRRModeInfo *mode = session.modeInfo(output.modes[i]);
            if (!mode)
                continue;
            const DisplayMode shown = session.shown(*mode);
            if (shown.width != width || shown.height != height)
                continue;
            if (refreshRate != 0 && shown.refreshRate != refreshRate)
                continue;
            if (mode->id == m_leftMode)
                return mode->id;
            if (first == None)
                first = mode->id;
        }
        return first;
    }

    static bool switchCrtc(Session &session, RRMode target, const DisplayMode &shown)
    {
        Display *display = session.display();
        XRRScreenResources *resources = session.resources();
        const XRRCrtcInfo &crtc = session.crtc();

        // The screen must hold every lit CRTC: ours at its new size, the others as they are.
        int neededWidth = crtc.x + shown.width;
        int neededHeight = crtc.y + shown.height;
        for (int i = 0; i < resources->ncrtc; ++i) {
            if (resources->crtcs[i] == session.crtcId())
                continue;
            if (XRRCrtcInfo *other = XRRGetCrtcInfo(display, resources, resources->crtcs[i])) {
                if (other->mode != None) {
                    neededWidth = std::max(neededWidth, other->x + int(other->width));
                    neededHeight = std::max(neededHeight, other->y + int(other->height));
                }
                XRRFreeCrtcInfo(other);
            }
        }
        int minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;
        if (XRRGetScreenSizeRange(display, session.root(), &minWidth, &minHeight, &maxWidth, &maxHeight)) {
            neededWidth = std::clamp(neededWidth, minWidth, std::max(minWidth, maxWidth));
            neededHeight = std::clamp(neededHeight, minHeight, std::max(minHeight, maxHeight));
        }

        const int screen = DefaultScreen(display);
        const int screenWidth = DisplayWidth(display, screen);
        const int screenHeight = DisplayHeight(display, screen);
        const int screenWidthMm = DisplayWidthMM(display, screen);
        const int screenHeightMm = DisplayHeightMM(display, screen);
        auto resizeScreen = [&](int w, int h) {
            XRRSetScreenSize(display, session.root(), w, h, millimetresFor(w, screenWidth, screenWidthMm),
                             millimetresFor(h, screenHeight, screenHeightMm));
        };

        // Grow the screen before the CRTC needs the room; shrink it after the CRTC gave it up.
        XGrabServer(display);
        int width = screenWidth, height = screenHeight;
        if (neededWidth > width || neededHeight > height) {
            width = std::max(width, neededWidth);
            height = std::max(height, neededHeight);
            resizeScreen(width, height);
        }
        const Status status = XRRSetCrtcConfig(display, resources, session.crtcId(), CurrentTime, crtc.x, crtc.y,
                                               target, crtc.rotation, crtc.outputs, crtc.noutput);
        const bool switched = status == RRSetConfigSuccess;
        if (switched && (width != neededWidth || height != neededHeight))
            resizeScreen(neededWidth, neededHeight);
        XUngrabServer(display);
        // The mode counts as switched when the CRTC took it, even if fitting the screen failed after it.
        session.errorsSeen();
        return switched;
    }

    RRMode m_leftMode = None;
};

} // namespace

std::unique_ptr<DisplayBackend> OpenXRandRDisplayBackend()
{
    Session session;
    if (!session.hasRandR())
        return nullptr;
    return std::make_unique<XRandRDisplayBackend>();
}

} // namespace ixo
