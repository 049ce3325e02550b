#include "app/test_state.h"
#include "platform/display_mode.h"
#include "platform/display_scripted.h"
#include "platform/display_xrandr.h"

#include <QGuiApplication>
#include <QTest>

using namespace ixo;

Q_DECLARE_METATYPE(ixo::DisplayMode)

namespace {

QList<DisplayMode> vga(std::initializer_list<int> rates)
{
    QList<DisplayMode> modes;
    for (int rate : rates)
        modes.append({640, 480, rate});
    return modes;
}

} // namespace

class DisplayChoiceTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ResetProgramState();
        Settings().FullScreen = -1;
    }
    void cleanup() { SetDisplayBackendForTesting(nullptr); }

    // On X11 the current rate is the rate of the current mode of the output in use; there is no list of
    // video controllers whose last entry would win, so that case has no counterpart here.
    void switchAndRestore_data()
    {
        QTest::addColumn<DisplayMode>("current");
        QTest::addColumn<QList<DisplayMode>>("offered");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QList<DisplayMode>>("asked"); // switches asked: EnterFullScreen's, then the restore's

        const DisplayMode xga75{1024, 768, 75};
        const QList<DisplayMode> withXga = QList<DisplayMode>{xga75, {800, 600, 75}} + vga({60, 72, 75});

        QTest::newRow("1024x768@75, 640x480 at 60/72/75: the same rate, back to 1024x768@75")
            << xga75 << withXga << true << QList<DisplayMode>{{640, 480, 75}, {1024, 768, 75}};
        QTest::newRow("current 85, 640x480 at 60/72/75: the highest below, 75")
            << DisplayMode{1024, 768, 85} << vga({60, 72, 75}) << true
            << QList<DisplayMode>{{640, 480, 75}, {1024, 768, 85}};
        QTest::newRow("current 60, 640x480 at 56/72 only: no rate qualifies")
            << DisplayMode{800, 600, 60} << vga({56, 72}) << true << QList<DisplayMode>{{640, 480, 0}, {800, 600, 60}};
        QTest::newRow("current rate not reported: no rate asked")
            << DisplayMode{1024, 768, 0} << vga({60, 72, 75}) << true
            << QList<DisplayMode>{{640, 480, 0}, {1024, 768, 0}};
        QTest::newRow("current rate not reported, a 640x480 mode reports 0 Hz: that one matches")
            << DisplayMode{1024, 768, 0} << vga({72, 0, 75}) << true
            << QList<DisplayMode>{{640, 480, 0}, {1024, 768, 0}};
        QTest::newRow("no 640x480 mode: no switch")
            << xga75 << QList<DisplayMode>{xga75, {800, 600, 60}, {640, 400, 75}, {480, 640, 75}} << false
            << QList<DisplayMode>{{1024, 768, 75}};
        QTest::newRow("nothing offered (no display system): no switch")
            << DisplayMode{} << QList<DisplayMode>{} << false << QList<DisplayMode>{{0, 0, 0}};
        QTest::newRow("the same rate in another size does not count")
            << xga75 << QList<DisplayMode>{{800, 600, 75}, {640, 480, 60}} << true
            << QList<DisplayMode>{{640, 480, 60}, {1024, 768, 75}};
        QTest::newRow("lower rates: a later higher one replaces, a later lower one does not")
            << xga75 << vga({60, 72, 70, 85}) << true << QList<DisplayMode>{{640, 480, 72}, {1024, 768, 75}};
        QTest::newRow("59 Hz and lower are never chosen by themselves")
            << xga75 << vga({56, 59}) << true << QList<DisplayMode>{{640, 480, 0}, {1024, 768, 75}};
    }
    void switchAndRestore()
    {
        QFETCH(DisplayMode, current);
        QFETCH(QList<DisplayMode>, offered);
        QFETCH(bool, found);
        QFETCH(QList<DisplayMode>, asked);

        ScriptedDisplayBackend &display = UseScriptedDisplay(current, offered);
        QCOMPARE(EnterFullScreen(), found);
        QCOMPARE(int(State().SavedWidth), current.width);
        QCOMPARE(int(State().SavedHeight), current.height);
        QCOMPARE(int(State().SavedRefreshRate), current.refreshRate);
        QCOMPARE(DisplayIsSwitched(), found);
        if (found)
            QCOMPARE(display.current().width, 640);

        RestoreSavedDisplayMode();
        QCOMPARE(display.switchesAsked(), asked);
        QCOMPARE(display.current(), current);
        QVERIFY(!DisplayIsSwitched());
    }

    // What the restores do, depending on the setting and on whether the switch happened.
    void restores()
    {
        const DisplayMode xga75{1024, 768, 75};
        ScriptedDisplayBackend &display = UseScriptedDisplay(xga75, vga({60, 75}));
        QVERIFY(EnterFullScreen());
        QVERIFY(DisplayIsSwitched());

        // A second START before any restore keeps the mode to go back to.
        QVERIFY(EnterFullScreen());
        QCOMPARE(int(State().SavedWidth), 1024);
        QCOMPARE(int(State().SavedRefreshRate), 75);

        // On the way out of the program the setting does not matter, and it happens once.
        Settings().FullScreen = 0;
        RestoreDisplayIfSwitched();
        QCOMPARE(display.current(), xga75);
        QVERIFY(!DisplayIsSwitched());
        RestoreDisplayIfSwitched();
        QCOMPARE(display.switchesAsked().size(), 3);

        // The Test Review's restore asks only with Full Screen on.
        RestoreSavedDisplayMode();
        QCOMPARE(display.switchesAsked().size(), 3);
    }

    void refusedSwitchLeavesNothingToRestore()
    {
        ScriptedDisplayBackend &display = UseScriptedDisplay({1024, 768, 75}, vga({75}));
        display.refuseSwitches(true);
        QVERIFY(EnterFullScreen()); // the mode exists; the display kept its mode
        QVERIFY(!DisplayIsSwitched());
        RestoreDisplayIfSwitched();
        QCOMPARE(display.switchesAsked(), (QList<DisplayMode>{{640, 480, 75}}));
    }

    void ratesAreStoredAs16Bits()
    {
        // A rate is kept in the test state as a 16-bit value; 65611 Hz wraps to 75 like the stored rate.
        const FullScreenChoice choice = ChooseFullScreenMode(75, vga({65536 + 75}));
        QVERIFY(choice.found);
        QCOMPARE(choice.refreshRate, 75);
    }

    void wholeHertzFromModeTimings_data()
    {
        QTest::addColumn<qulonglong>("dotClock");
        QTest::addColumn<uint>("hTotal");
        QTest::addColumn<uint>("vTotal");
        QTest::addColumn<bool>("doubleScan");
        QTest::addColumn<bool>("interlaced");
        QTest::addColumn<int>("hertz");
        QTest::newRow("1024x768 75.03 Hz") << 78750000ull << 1312u << 800u << false << false << 75;
        QTest::newRow("640x480 59.94 Hz rounds up") << 25175000ull << 800u << 525u << false << false << 60;
        QTest::newRow("640x480 72.81 Hz rounds up") << 31500000ull << 832u << 520u << false << false << 73;
        QTest::newRow("640x480 75.00 Hz") << 31500000ull << 840u << 500u << false << false << 75;
        QTest::newRow("double scan halves") << 25175000ull << 800u << 525u << true << false << 30;
        QTest::newRow("interlaced doubles") << 25175000ull << 800u << 525u << false << true << 120;
        QTest::newRow("no timing") << 25175000ull << 0u << 0u << false << false << 0;
    }
    void wholeHertzFromModeTimings()
    {
        QFETCH(qulonglong, dotClock);
        QFETCH(uint, hTotal);
        QFETCH(uint, vTotal);
        QFETCH(bool, doubleScan);
        QFETCH(bool, interlaced);
        QFETCH(int, hertz);
        QCOMPARE(RoundedRefreshRate(dotClock, hTotal, vTotal, doubleScan, interlaced), hertz);
    }

    void noDisplaySystemOffersNoModes()
    {
        // Windows drawn offscreen (as in the tests) are on no X server: whatever DISPLAY says, the real
        // display is left alone.
        if (QGuiApplication::platformName() != QLatin1String("offscreen"))
            QSKIP("needs QT_QPA_PLATFORM=offscreen");
        SetDisplayBackendForTesting(nullptr);
        QVERIFY(CurrentDisplayBackend().modes().isEmpty());
        QVERIFY(!EnterFullScreen());
        QVERIFY(!DisplayIsSwitched());
    }
};

QTEST_MAIN(DisplayChoiceTest)
#include "tst_display_choice.moc"
