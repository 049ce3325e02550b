#include "app/road.h"
#include "app/test_state.h"

namespace ixo {

QString ScreenName(Screen screen)
{
    switch (screen) {
    case Screen::Form1: return QStringLiteral("Form1");
    case Screen::Pro1: return QStringLiteral("pro1");
    case Screen::Pro2: return QStringLiteral("pro2");
    case Screen::Pro3: return QStringLiteral("pro3");
    case Screen::Pro4: return QStringLiteral("pro4");
    case Screen::Pro6: return QStringLiteral("pro6");
    case Screen::Pro7: return QStringLiteral("pro7");
    case Screen::Over: return QStringLiteral("over");
    }
    return {};
}

Screen FirstScreenAfterStart()
{
    const SettingsRecord &s = Settings();
    TestState &t = State();
    if (s.SkipSection == SkipIssue) {
        if (s.QuickStart == -1) {
            t.MinutesLeft = static_cast<std::int16_t>(s.ArgumentMinutes - 1);
            return Screen::Pro7;
        }
        return Screen::Pro6; // the Section 2 directions set the countdown themselves
    }
    t.MinutesLeft = static_cast<std::int16_t>(s.IssueMinutes - 1);
    if (s.QuickStart == -1)
        return s.IssueRandom == -1 ? Screen::Pro3 : Screen::Pro4;
    return Screen::Pro1;
}

} // namespace ixo
