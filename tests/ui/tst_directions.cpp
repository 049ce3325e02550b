#include "app/road.h"
#include "app/test_state.h"
#include "platform/display_mode.h"
#include "test_support.h"
#include "ui/test/directions_pictures.h"
#include "ui/test/directions_screens.h"
#include "ui/test/faces.h"
#include "ui/test/image_button.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QScrollBar>
#include <QTest>

using namespace ixo;

Q_DECLARE_METATYPE(ixo::Screen)
Q_DECLARE_METATYPE(ixo::DirectionsText)

namespace {

// The visible top-level window named `name`, if any.
QWidget *openWindow(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}

template <typename T = QWidget> T *child(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        qWarning("no child %s in %s", name, qPrintable(window->objectName()));
    return found;
}

// Whether a screen has closed (it may already be deleted).
bool closed(const QPointer<QWidget> &window)
{
    return !window || !window->isVisible();
}

void click(QWidget *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
}

// Pages down with the scroll bar's track, one value at a time, as the candidate does.
void pageTo(QWidget *screen, int value)
{
    auto *bar = child<QScrollBar>(screen, "scroll");
    for (int guard = 0; guard < 50 && bar->value() < value; ++guard)
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    for (int guard = 0; guard < 50 && bar->value() > value; ++guard)
        bar->triggerAction(QAbstractSlider::SliderPageStepSub);
}

int faceOf(QWidget *window, const char *name)
{
    return child<ImageButton>(window, name)->face();
}

bool activeOf(QWidget *window, const char *name)
{
    return child<ImageButton>(window, name)->isActive();
}

// Records the display switches and whether the Test Review was already open at each.
class RecordingDisplay final : public DisplayBackend
{
public:
    struct Call
    {
        DisplayMode mode;
        bool reviewOpen;
    };
    explicit RecordingDisplay(QList<Call> *calls) : m_calls(calls) {}
    DisplayMode currentMode() override { return {640, 480, 60}; }
    QList<DisplayMode> modes() override { return {{640, 480, 60}, {1024, 768, 75}}; }
    bool setMode(int width, int height, int refreshRate) override
    {
        m_calls->append({{width, height, refreshRate}, openWindow(QStringLiteral("over")) != nullptr});
        return true;
    }

private:
    QList<Call> *m_calls;
};

} // namespace

class DirectionsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_folder = std::make_unique<testing::ProgramFolderFixture>(); }
    void cleanup()
    {
        m_folder.reset();
        SetDisplayBackendForTesting(nullptr);
    }

    void picturesFitTheirSizes_data()
    {
        QTest::addColumn<DirectionsText>("text");
        QTest::addColumn<QSize>("size");
        QTest::newRow("general") << DirectionsText::General << QSize(518, 650);
        QTest::newRow("issue") << DirectionsText::Issue << QSize(590, 500);
        QTest::newRow("argument") << DirectionsText::Argument << QSize(518, 570);
    }
    void picturesFitTheirSizes()
    {
        QFETCH(DirectionsText, text);
        QFETCH(QSize, size);
        const DirectionsPicture picture = DrawDirections(text);
        QCOMPARE(picture.image.size(), size);
        QVERIFY2(picture.fits, qPrintable(QStringLiteral("needs %1 pixels").arg(picture.contentHeight)));
        // The paging steps expect the text to run down the whole picture, not to end half way.
        QVERIFY2(picture.contentHeight > size.height() * 3 / 4,
                 qPrintable(QStringLiteral("only %1 pixels of text").arg(picture.contentHeight)));
    }

    void paging_data()
    {
        QTest::addColumn<Screen>("screen");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("dismissAllowed"); // pro2 keeps no flag
        QTest::addColumn<int>("pictureTop");     // pixels
        QTest::newRow("pro1 0") << Screen::Pro1 << 0 << "Beginning" << 0 << 0;
        QTest::newRow("pro1 7") << Screen::Pro1 << 7 << "More Available" << 0 << -233;
        QTest::newRow("pro1 8") << Screen::Pro1 << 8 << "End" << -1 << -267;
        QTest::newRow("pro1 15, only the last 2250 twips left") << Screen::Pro1 << 15 << "End" << -1 << -(650 - 150);
        QTest::newRow("pro2 0") << Screen::Pro2 << 0 << "Beginning" << 0 << 0;
        QTest::newRow("pro2 7") << Screen::Pro2 << 7 << "More Available" << 0 << -163;
        QTest::newRow("pro2 8") << Screen::Pro2 << 8 << "End" << 0 << -187;
        QTest::newRow("pro2 20") << Screen::Pro2 << 20 << "End" << 0 << -467;
        QTest::newRow("pro6 6") << Screen::Pro6 << 6 << "More Available" << 0 << -160;
        QTest::newRow("pro6 7") << Screen::Pro6 << 7 << "End" << -1 << -187;
        QTest::newRow("pro6 20") << Screen::Pro6 << 20 << "End" << -1 << -533;
    }
    void paging()
    {
        QFETCH(Screen, screen);
        QFETCH(int, value);
        QFETCH(QString, label);
        QFETCH(int, dismissAllowed);
        QFETCH(int, pictureTop);
        QWidget *window = ShowScreen(screen);
        pageTo(window, value);
        auto *bar = child<QScrollBar>(window, "scroll");
        if (value == bar->maximum()) // a step past the highest value stays there
            bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(bar->value(), value);
        QCOMPARE(child<QLabel>(window, "Lab_Scroll")->text(), label);
        QCOMPARE(child<QLabel>(window, "scro")->y(), pictureTop);
        if (auto *dismissible = qobject_cast<DismissibleDirections *>(window))
            QCOMPARE(int(dismissible->DismissAllowed), dismissAllowed);
        else
            QCOMPARE(screen, Screen::Pro2);
    }

    // Dismiss Directions before the end shows the More Directions box once; after Return to Directions the
    // next Dismiss Directions leaves the directions.
    void moreDirectionsThenLeave_data()
    {
        QTest::addColumn<Screen>("screen");
        QTest::newRow("pro1") << Screen::Pro1;
        QTest::newRow("pro6") << Screen::Pro6;
    }
    void moreDirectionsThenLeave()
    {
        QFETCH(Screen, screen);
        QPointer<QWidget> window = ShowScreen(screen);
        auto *box = child(window, "Picture3");
        auto *bar = child<QScrollBar>(window, "scroll");
        const bool toolbar = screen == Screen::Pro6;

        click(child(window, "dismiss"));
        QVERIFY(box->isVisible());
        QVERIFY(!bar->isEnabled());
        QVERIFY(!activeOf(window, "dismiss"));
        if (toolbar) {
            QVERIFY(!activeOf(window, "tquit") && !activeOf(window, "stime"));
            QCOMPARE(faceOf(window, "tquit"), int(face::QuitUp));
            QCOMPARE(faceOf(window, "stime"), int(face::TimeUp));
        }

        click(child(window, "retdir"));
        QVERIFY(!box->isVisible());
        QVERIFY(bar->isEnabled());
        QVERIFY(activeOf(window, "dismiss"));
        if (toolbar) {
            QVERIFY(activeOf(window, "tquit") && activeOf(window, "stime"));
            click(child(window, "tquit"));
            QVERIFY(child(window, "Picture4")->isVisible());
            click(child(window, "Image1"));
        }
        QCOMPARE(bar->value(), 0);

        click(child(window, "dismiss"));
        if (screen == Screen::Pro1) {
            QVERIFY(child(window, "Picture4")->isVisible());
            QCOMPARE(child<QLabel>(window, "Lab_Top")->text(), QStringLiteral("Information"));
            QVERIFY(!bar->isEnabled());
            click(child(window, "proceed"));
            QVERIFY(openWindow(QStringLiteral("pro2")));
        } else {
            QVERIFY(openWindow(QStringLiteral("pro7")));
        }
        QVERIFY(closed(window));
    }

    void pro1ScrolledToTheEndAndBackStillFinishes()
    {
        QWidget *window = ShowScreen(Screen::Pro1);
        pageTo(window, 8);
        pageTo(window, 3);
        QCOMPARE(child<QLabel>(window, "Lab_Scroll")->text(), QStringLiteral("More Available"));
        click(child(window, "dismiss"));
        QVERIFY(!child(window, "Picture3")->isVisible());
        QVERIFY(child(window, "Picture4")->isVisible());
    }

    void pro2ProceedsAtAnyPosition_data()
    {
        QTest::addColumn<int>("value");
        QTest::newRow("beginning") << 0;
        QTest::newRow("end") << 20;
    }
    void pro2ProceedsAtAnyPosition()
    {
        QFETCH(int, value);
        QPointer<QWidget> window = ShowScreen(Screen::Pro2);
        pageTo(window, value);
        click(child(window, "proceed"));
        QVERIFY(openWindow(QStringLiteral("pro3")));
        QVERIFY(closed(window));
    }

    void pro6LoadSetsTheSection2Clock_data()
    {
        QTest::addColumn<int>("argumentMinutes");
        QTest::addColumn<QString>("clock");
        QTest::addColumn<int>("minutesLeft");
        QTest::newRow("30") << 30 << "00:30" << 29;
        QTest::newRow("90") << 90 << "01:30" << 89;
        QTest::newRow("unlimited") << -1 << "Unlimited" << -2;
    }
    void pro6LoadSetsTheSection2Clock()
    {
        QFETCH(int, argumentMinutes);
        QFETCH(QString, clock);
        QFETCH(int, minutesLeft);
        Settings().ArgumentMinutes = std::int16_t(argumentMinutes);
        State().MinutesLeft = 7; // left over from Section 1
        State().SecondsLeft = 12;
        QWidget *window = ShowScreen(Screen::Pro6);
        QCOMPARE(child<QLabel>(window, "timing")->text(), clock);
        QCOMPARE(int(State().MinutesLeft), minutesLeft);
        QCOMPARE(int(State().SecondsLeft), 60);
    }

    void pro6QuitDialogGreysTheToolbarUntilReturn()
    {
        QWidget *window = ShowScreen(Screen::Pro6);
        auto *dialog = child(window, "Picture4");
        auto *timing = child(window, "timing");
        QVERIFY(!dialog->isVisible());

        click(child(window, "tquit"));
        QVERIFY(dialog->isVisible());
        QCOMPARE(child<Picture>(dialog, "title_cap")->face(), int(face::CaptionQuitTest));
        QCOMPARE(faceOf(window, "tquit"), int(face::QuitGrey));
        QCOMPARE(faceOf(window, "stime"), int(face::TimeGrey));
        QCOMPARE(faceOf(window, "help"), int(face::HelpGrey));
        QCOMPARE(faceOf(window, "squit"), int(face::ExitGrey));
        click(child(window, "stime")); // Time is out of reach while the dialog is open
        QVERIFY(timing->isVisible());

        click(child(window, "Image1"));
        QVERIFY(!dialog->isVisible());
        QCOMPARE(faceOf(window, "tquit"), int(face::QuitUp));
        QCOMPARE(faceOf(window, "stime"), int(face::TimeUp));
        QCOMPARE(faceOf(window, "help"), int(face::Help));
        QCOMPARE(faceOf(window, "squit"), int(face::ExitGrey));
        click(child(window, "stime"));
        QVERIFY(!timing->isVisible());
        click(child(window, "tquit"));
        QVERIFY(dialog->isVisible());
    }

    void pro6HandsTheClockVisibilityToPro7_data()
    {
        QTest::addColumn<int>("timePresses");
        QTest::addColumn<bool>("shown");
        QTest::newRow("Time not pressed") << 0 << true;
        QTest::newRow("Time pressed once") << 1 << false;
        QTest::newRow("Time pressed twice") << 2 << true;
    }
    void pro6HandsTheClockVisibilityToPro7()
    {
        QFETCH(int, timePresses);
        QFETCH(bool, shown);
        QPointer<QWidget> window = ShowScreen(Screen::Pro6);
        for (int i = 0; i < timePresses; ++i)
            click(child(window, "stime"));
        QCOMPARE(child(window, "timing")->isVisible(), shown);
        pageTo(window, 7);
        click(child(window, "dismiss"));
        QVERIFY(closed(window));
        QWidget *next = openWindow(QStringLiteral("pro7"));
        QVERIFY(next);
        auto *clock = next->findChild<QWidget *>(QStringLiteral("timing"));
        if (!clock)
            QSKIP("the Argument writing screen is still a stand-in without a clock");
        QCOMPARE(clock->isVisible(), shown);
    }

    void pro6QuitTestRestoresTheDisplayBeforeTheReview_data()
    {
        QTest::addColumn<int>("fullScreen");
        QTest::newRow("full screen") << -1;
        QTest::newRow("window") << 0;
    }
    void pro6QuitTestRestoresTheDisplayBeforeTheReview()
    {
        QFETCH(int, fullScreen);
        QList<RecordingDisplay::Call> calls;
        SetDisplayBackendForTesting(std::make_unique<RecordingDisplay>(&calls));
        Settings().FullScreen = std::int16_t(fullScreen);
        State().SavedWidth = 1024;
        State().SavedHeight = 768;
        State().SavedRefreshRate = 75;
        QPointer<QWidget> window = ShowScreen(Screen::Pro6);
        click(child(window, "tquit"));
        click(child(window, "Image3"));
        QVERIFY(openWindow(QStringLiteral("over")));
        QVERIFY(closed(window));
        if (fullScreen == -1) {
            QCOMPARE(calls.size(), 1);
            QCOMPARE(calls[0].mode, (DisplayMode{1024, 768, 75}));
            QVERIFY(!calls[0].reviewOpen);
        } else {
            QVERIFY(calls.isEmpty());
        }
    }

private:
    std::unique_ptr<testing::ProgramFolderFixture> m_folder;
};

QTEST_MAIN(DirectionsTest)
#include "tst_directions.moc"
