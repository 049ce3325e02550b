// The writing screens pro4 (Issue) and pro7 (Argument): countdown, panels, results, next screen, word count,
// autosave and the editing buttons. Timer handlers are called directly; nothing waits for real seconds.
#include "app/clock.h"
#include "app/data_files.h"
#include "app/program_folder.h"
#include "app/random.h"
#include "app/road.h"
#include "app/test_state.h"
#include "data/atomic_file.h"
#include "data/topic_pool.h"
#include "platform/display_mode.h"
#include "test_support.h"
#include "ui/look.h"
#include "ui/message_box.h"
#include "ui/test/draft_rules.h"
#include "ui/test/image_button.h"
#include "ui/test/writing_screen.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using namespace ixo;

namespace {

// Pool files of `count` records "<word> topic n.", with some texts replaced.
QByteArray poolBytes(PoolKind kind, int count, const QMap<int, QString> &texts = {})
{
    QByteArray bytes;
    const QString word = kind == PoolKind::Issue ? QStringLiteral("Issue") : QStringLiteral("Argument");
    for (int n = 1; n <= count; ++n) {
        TopicRecord record{std::int16_t(n), texts.value(n, QStringLiteral("%1 topic %2.").arg(word).arg(n)), 0,
                           RecordInUse};
        bytes += EncodeRecord(kind, record, CodePage::Windows1252);
    }
    return bytes;
}

QWidget *shownWindow(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (!w->isHidden() && w->objectName() == name)
            return w;
    return nullptr;
}

QStringList shownWindows()
{
    QStringList names;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (!w->isHidden())
            names << w->objectName();
    return names;
}

void click(QWidget *w)
{
    QVERIFY(w);
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, 4));
}

// A display that records the modes it is asked for.
class RecordingDisplay final : public DisplayBackend
{
public:
    explicit RecordingDisplay(QList<DisplayMode> *set) : m_set(set) {}
    DisplayMode currentMode() override { return {640, 480, 60}; }
    QList<DisplayMode> modes() override { return {{640, 480, 60}, {1024, 768, 75}}; }
    bool setMode(int width, int height, int refreshRate) override
    {
        m_set->append({width, height, refreshRate});
        return true;
    }

private:
    QList<DisplayMode> *m_set;
};

} // namespace

class WritingScreenTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<testing::ProgramFolderFixture> m_folder;

    void openPools(const QMap<int, QString> &issueTexts = {}, const QMap<int, QString> &argumentTexts = {})
    {
        CloseDataFiles();
        m_folder->writeDataFile(QStringLiteral("issue.dat"), poolBytes(PoolKind::Issue, IssuePoolSize, issueTexts));
        m_folder->writeDataFile(QStringLiteral("argue.dat"),
                                poolBytes(PoolKind::Argument, ArgumentPoolSize, argumentTexts));
        OpenDataFiles();
    }

    // A test's usual start: a 45-minute Issue section, topic 12, all options off.
    void setUpSection(int limit, int minutesLeft, int secondsLeft)
    {
        SettingsRecord &s = Settings();
        s.IssueMinutes = std::int16_t(limit);
        s.ArgumentMinutes = std::int16_t(limit);
        State().MinutesLeft = std::int16_t(minutesLeft);
        State().SecondsLeft = std::int16_t(secondsLeft);
    }

    WritingScreen *open(SectionKind section)
    {
        QWidget *w = ShowScreen(section == SectionKind::Issue ? Screen::Pro4 : Screen::Pro7);
        return qobject_cast<WritingScreen *>(w);
    }

    static void tick(WritingScreen *screen, int count)
    {
        for (int i = 0; i < count; ++i)
            screen->Timer1_Timer();
    }

    template <class T = QWidget> static T *child(QWidget *screen, const char *name)
    {
        return screen->findChild<T *>(QString::fromLatin1(name));
    }

    QByteArray autosave(int section) const
    {
        return m_folder->readFile(m_folder->reviewPath(QStringLiteral("autosave%1.txt").arg(section)));
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<testing::ProgramFolderFixture>();
        openPools();
        State().IssueTopicNo = 12;
        State().ArgumentTopicNo = 7;
        SetCurrentDateTimeForTesting(QDateTime(QDate(2024, 5, 6), QTime(10, 20, 30)));
        setUpSection(45, 44, 60);
    }
    void cleanup()
    {
        SetDisplayBackendForTesting(nullptr);
        FailNextAtomicWritesForTesting(0);
        m_folder.reset();
    }

    void layout_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QRect>("tin");
        QTest::addColumn<QRect>("topic");
        QTest::addColumn<QPoint>("undo");
        QTest::newRow("Section 1") << int(SectionKind::Issue) << "pro4"
                                   << "Practice Test - Section 1" << look::TwipsRect(340, 2600, 7920, 3840)
                                   << look::TwipsRect(600, 1440, 8535, 705) << QPoint(look::Px(8310), look::Px(4110));
        QTest::newRow("Section 2") << int(SectionKind::Argument) << "pro7"
                                   << "Practice Test - Section 2" << look::TwipsRect(340, 4310, 7920, 2160)
                                   << look::TwipsRect(600, 1200, 8535, 2640) << QPoint(look::Px(8310), look::Px(5790));
    }
    void layout()
    {
        QFETCH(int, section);
        QFETCH(QString, name);
        QFETCH(QString, title);
        QFETCH(QRect, tin);
        QFETCH(QRect, topic);
        QFETCH(QPoint, undo);
        WritingScreen *screen = open(SectionKind(section));
        QVERIFY(screen);
        QCOMPARE(screen->objectName(), name);
        QCOMPARE(screen->size(), QSize(640, 480));
        for (const char *control :
             {"timing", "Lab_Title", "wordshow", "Shape1", "Shape2",   "Shape3", "Shape4", "Shape5",
              "Shape6", "inst_img",  "topic",    "tin",    "cut",      "paste",  "undo",   "tquit",
              "squit",  "stime",     "wordc",    "help",   "Picture2", "Lab_1",  "Lab_2",  "Label1",
              "Label2", "Label3",    "Lab_3",    "Lab_4",  "Image1",   "Image2", "Image3", "Image4"})
            QVERIFY2(screen->findChild<QWidget *>(QString::fromLatin1(control)), control);
        QCOMPARE(child(screen, "Lab_5") != nullptr, SectionKind(section) == SectionKind::Argument);
        QCOMPARE(child<QLabel>(screen, "Lab_Title")->text(), title);
        QCOMPARE(child(screen, "tin")->geometry(), tin);
        QCOMPARE(child(screen, "topic")->geometry(), topic);
        QCOMPARE(child(screen, "undo")->pos(), undo);
        QCOMPARE(child(screen, "Picture2")->geometry(), look::TwipsRect(165, 480, 9270, 6045));
        QVERIFY(child(screen, "Picture2")->isHidden());
        QVERIFY(child(screen, "wordc")->isHidden());
        QCOMPARE(child<QLabel>(screen, "wordshow")->text(), QString());

        auto *box = child<QPlainTextEdit>(screen, "tin");
        QCOMPARE(box->frameShape(), QFrame::NoFrame);
        QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(box->font().bold());
        QVERIFY(box->toPlainText().isEmpty());

        auto *timer1 = child<QTimer>(screen, "Timer1");
        auto *timer2 = child<QTimer>(screen, "Timer2");
        QVERIFY(timer1->isActive());
        QCOMPARE(timer1->interval(), 1000);
        QCOMPARE(timer1->timerType(), Qt::PreciseTimer);
        QVERIFY(!timer2->isActive());
        QCOMPARE(timer2->interval(), 500);
        QCOMPARE(timer2->timerType(), Qt::PreciseTimer);

        const QString expectedTopic = SectionKind(section) == SectionKind::Issue ? QStringLiteral("Issue topic 12.")
                                                                                 : QStringLiteral("Argument topic 7.");
        QCOMPARE(child<QLabel>(screen, "topic")->text(), expectedTopic);
        QCOMPARE(child<QLabel>(screen, "topic")->textFormat(), Qt::PlainText);
    }

    void fortyFiveMinuteSection()
    {
        Settings().SafeMode = -1;
        WritingScreen *screen = open(SectionKind::Issue);
        auto *timing = child<QLabel>(screen, "timing");
        auto *timer1 = child<QTimer>(screen, "Timer1");
        auto *timer2 = child<QTimer>(screen, "Timer2");
        QTest::keyClicks(child(screen, "tin"), QStringLiteral("My essay"));
        QCOMPARE(timing->text(), QStringLiteral("00:44"));

        tick(screen, 59);
        QCOMPARE(timing->text(), QStringLiteral("00:44"));
        QVERIFY(autosave(1).isEmpty());
        tick(screen, 1); // 60 seconds after load
        QVERIFY(autosave(1).startsWith("ISSUE12 - Issue topic 12.\r\n\r\nMy essay\r\n\r\n("));

        tick(screen, 2399 - 60);
        QVERIFY(!timer2->isActive());
        tick(screen, 1); // 300 seconds left
        QVERIFY(timer2->isActive());
        QCOMPARE(timing->text(), QStringLiteral("00:05"));
        tick(screen, 1);
        QCOMPARE(timing->text(), QStringLiteral("00:04:59"));

        // The blink: hidden, shown, hidden ... until the seconds read 54, then shown for good.
        screen->Timer2_Timer();
        QVERIFY(timing->isHidden());
        screen->Timer2_Timer();
        QVERIFY(!timing->isHidden());
        screen->Timer2_Timer();
        tick(screen, 5); // 00:04:54
        QVERIFY(timer2->isActive());
        screen->Timer2_Timer();
        QVERIFY(!timer2->isActive());
        QVERIFY(!timing->isHidden());

        tick(screen, 2699 - 2406);
        QCOMPARE(screen->panelKind(), PanelKind::None);
        QVERIFY(timer1->isActive());
        tick(screen, 1); // tick 2700
        QCOMPARE(timing->text(), QStringLiteral("00:00:00"));
        QVERIFY(!timing->isHidden());
        QCOMPARE(screen->panelKind(), PanelKind::TimeExpired);
        QVERIFY(!child(screen, "Picture2")->isHidden());
        QVERIFY(!child(screen, "Lab_3")->isHidden());
        QCOMPARE(child<Picture>(screen, "title_cap")->face(), 132);
        QVERIFY(!timer1->isActive());
        QVERIFY(!timer2->isActive());
        QCOMPARE(State().IssueElapsed, 2700);
        QCOMPARE(State().IssueWords, 2);
        QCOMPARE(State().IssueEssay, QStringLiteral("My essay"));
    }

    void handOvers_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("loadText");
        QTest::addColumn<QString>("firstTickText");
        QTest::addColumn<int>("timeUpAt"); // 0: never within 3000 ticks
        QTest::addColumn<int>("elapsed");
        QTest::newRow("0:0, the topic selection ran out") << 45 << 0 << 0 << "00:00"
                                                          << "00:00:00" << 1 << 2700;
        QTest::newRow("4:60, five minutes") << 5 << 4 << 60 << "00:04"
                                            << "00:04:59" << 300 << 300;
        QTest::newRow("999 minutes") << 999 << 0 << 1 << "00:00"
                                     << "00:00:00" << 1 << 59940;
        QTest::newRow("unlimited") << -1 << -2 << 60 << "Unlimited"
                                   << "Unlimited" << 0 << 0;
    }
    void handOvers()
    {
        QFETCH(int, limit);
        QFETCH(int, minutes);
        QFETCH(int, seconds);
        QFETCH(QString, loadText);
        QFETCH(QString, firstTickText);
        QFETCH(int, timeUpAt);
        QFETCH(int, elapsed);
        setUpSection(limit, minutes, seconds);
        Settings().SafeMode = -1;
        WritingScreen *screen = open(SectionKind::Issue);
        auto *timing = child<QLabel>(screen, "timing");
        QCOMPARE(timing->text(), loadText);
        tick(screen, 1);
        QCOMPARE(timing->text(), firstTickText);
        int ticks = 1;
        while (screen->panelKind() == PanelKind::None && ticks < 3000) {
            QVERIFY2(!child<QTimer>(screen, "Timer2")->isActive(), "no blink within the last five minutes");
            tick(screen, 1);
            ++ticks;
        }
        if (timeUpAt) {
            QCOMPARE(ticks, timeUpAt);
            QCOMPARE(screen->panelKind(), PanelKind::TimeExpired);
            QCOMPARE(State().IssueElapsed, elapsed);
            return;
        }
        // Unlimited: the clock never changes, nothing is saved while writing, the Time button does nothing.
        QCOMPARE(timing->text(), QStringLiteral("Unlimited"));
        QVERIFY(autosave(1).isEmpty());
        click(child(screen, "stime"));
        QVERIFY(!timing->isHidden());
        click(child(screen, "squit"));
        click(child(screen, "Image2"));
        QCOMPARE(State().IssueElapsed, 3000);
        QVERIFY(!autosave(1).isEmpty());
    }

    void panels_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<int>("panel");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<bool>("clockShown");
        QTest::addColumn<QString>("window");
        const int s1 = int(SectionKind::Issue), s2 = int(SectionKind::Argument);
        QTest::newRow("Exit Section") << s1 << QStringList{"squit"} << int(PanelKind::ExitSection)
                                      << QStringList{"Lab_1", "Image1", "Image2"} << false << "pro4";
        QTest::newRow("Exit Section, Return")
            << s1 << QStringList{"squit", "Image1"} << int(PanelKind::ExitSection) << QStringList{} << true << "pro4";
        QTest::newRow("Exit Section confirmed") << s1 << QStringList{"squit", "Image2"} << int(PanelKind::SectionEnd)
                                                << QStringList{"Lab_4", "Image4"} << false << "pro4";
        QTest::newRow("Quit Test") << s1 << QStringList{"tquit"} << int(PanelKind::QuitTest)
                                   << QStringList{"Lab_2", "Image1", "Image3"} << true << "pro4";
        QTest::newRow("Quit Test, Return")
            << s1 << QStringList{"tquit", "Image1"} << int(PanelKind::QuitTest) << QStringList{} << true << "pro4";
        QTest::newRow("Quit Test confirmed")
            << s2 << QStringList{"tquit", "Image3"} << int(PanelKind::QuitTest) << QStringList{} << false << "over";
        QTest::newRow("time-out") << s1 << QStringList{"timeout"} << int(PanelKind::TimeExpired)
                                  << QStringList{"Lab_3", "Image4"} << true << "pro4";
        QTest::newRow("time-out over Exit Section")
            << s1 << QStringList{"squit", "timeout"} << int(PanelKind::TimeExpired) << QStringList{"Lab_3", "Image4"}
            << true << "pro4";
        QTest::newRow("time-out over Quit Test") << s2 << QStringList{"tquit", "timeout"} << int(PanelKind::TimeExpired)
                                                 << QStringList{"Lab_3", "Image4"} << true << "pro7";
        QTest::newRow("time-out, Proceed") << s1 << QStringList{"timeout", "Image4"} << int(PanelKind::SectionEnd)
                                           << QStringList{"Lab_4", "Image4"} << false << "pro4";
        QTest::newRow("Section 2 closing panel")
            << s2 << QStringList{"squit", "Image2", "Image4"} << int(PanelKind::TestComplete)
            << QStringList{"Lab_5", "Image4"} << false << "pro7";
        QTest::newRow("Section 2 closing panel, Proceed")
            << s2 << QStringList{"timeout", "Image4", "Image4", "Image4"} << int(PanelKind::TestComplete)
            << QStringList{} << false << "over";
    }
    void panels()
    {
        QFETCH(int, section);
        QFETCH(QStringList, actions);
        QFETCH(int, panel);
        QFETCH(QStringList, shown);
        QFETCH(bool, clockShown);
        QFETCH(QString, window);
        setUpSection(1, 0, 60);
        WritingScreen *screen = open(SectionKind(section));
        QPointer<WritingScreen> alive(screen);
        QTest::keyClicks(child(screen, "tin"), QStringLiteral("Some words here"));
        for (const QString &action : actions) {
            if (action == QLatin1String("timeout")) {
                QTest::keyClicks(child(screen, "tin"), QStringLiteral(" later")); // ignored under a panel
                tick(screen, 60);
            } else {
                click(screen->findChild<QWidget *>(action));
            }
        }
        QVERIFY(shownWindow(window));
        QCOMPARE(shownWindows().size(), 1);
        if (window != screen->objectName()) {
            QVERIFY(!alive || alive->isHidden());
            QVERIFY(!child<QTimer>(alive, "Timer1")->isActive());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!alive);
            return;
        }
        QCOMPARE(int(screen->panelKind()), panel);
        const bool panelOpen = !shown.isEmpty();
        QCOMPARE(!child(screen, "Picture2")->isHidden(), panelOpen);
        for (const char *name : {"Lab_1", "Lab_2", "Lab_3", "Lab_4", "Lab_5", "Image1", "Image2", "Image3", "Image4"})
            if (QWidget *w = child(screen, name); w && panelOpen)
                QVERIFY2(w->isHidden() != shown.contains(QLatin1String(name)), name);
        QCOMPARE(!child(screen, "timing")->isHidden(), clockShown);

        // The toolbar: greyed and inert while a panel is open, back to its faces after Return.
        auto *tquit = child<ImageButton>(screen, "tquit");
        QCOMPARE(tquit->face(), panelOpen ? 115 : 107);
        QCOMPARE(tquit->isActive(), !panelOpen);
        QCOMPARE(child<ImageButton>(screen, "squit")->face(), panelOpen ? 116 : 109);
        QCOMPARE(child<ImageButton>(screen, "stime")->face(), panelOpen ? 117 : 111);
        QCOMPARE(child<Picture>(screen, "help")->face(), panelOpen ? 114 : 113);
        QCOMPARE(child(screen, "tin")->isEnabled(), !panelOpen);
        if (panel >= int(PanelKind::SectionEnd)) {
            QCOMPARE(child<QLabel>(screen, "wordshow")->text(), QStringLiteral("Information"));
            for (const char *name : {"tquit", "squit", "stime", "help"})
                QVERIFY2(child(screen, name)->isHidden(), name);
        }
        if (panel == int(PanelKind::TestComplete)) {
            QCOMPARE(child<QLabel>(screen, "Lab_Title")->text(), QStringLiteral("Practice Test"));
            QVERIFY(child(screen, "title_cap")->isHidden());
        }
    }

    void resultsStored_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("ending"); // "Image2" (Exit Section) or "Image3" (Quit Test) after the panel
        QTest::addColumn<int>("elapsed");
        QTest::newRow("Exit Section after 3 s") << int(SectionKind::Issue) << 45 << 3 << "Image2" << 3;
        QTest::newRow("Quit Test after 75 s") << int(SectionKind::Argument) << 30 << 75 << "Image3" << 75;
        QTest::newRow("unlimited, Exit Section after 5 s") << int(SectionKind::Argument) << -1 << 5 << "Image2" << 5;
    }
    void resultsStored()
    {
        QFETCH(int, section);
        QFETCH(int, limit);
        QFETCH(int, ticks);
        QFETCH(QString, ending);
        QFETCH(int, elapsed);
        setUpSection(limit, limit - 1, 60);
        Settings().WordCount = 0; // the count is stored whatever the word count tool shows
        WritingScreen *screen = open(SectionKind(section));
        QTest::keyClicks(child(screen, "tin"), QStringLiteral("one two"));
        QTest::keyClick(child(screen, "tin"), Qt::Key_Return);
        QTest::keyClicks(child(screen, "tin"), QStringLiteral("three"));
        tick(screen, ticks);
        click(child(screen, ending == QLatin1String("Image2") ? "squit" : "tquit"));
        tick(screen, 2); // the countdown goes on while the panel is open
        click(screen->findChild<QWidget *>(ending));
        const TestState &t = State();
        const bool issue = SectionKind(section) == SectionKind::Issue;
        QCOMPARE(issue ? t.IssueElapsed : t.ArgumentElapsed, elapsed + 2);
        QCOMPARE(issue ? t.IssueWords : t.ArgumentWords, 3);
        QCOMPARE(issue ? t.IssueEssay : t.ArgumentEssay, QStringLiteral("one two\nthree"));
        QCOMPARE(autosave(issue ? 1 : 2).mid(autosave(issue ? 1 : 2).indexOf("\r\n\r\n") + 4, 16),
                 QByteArray("one two\r\nthree\r\n"));
    }

    void nextScreen_data()
    {
        QTest::addColumn<int>("skip");
        QTest::addColumn<int>("quickStart");
        QTest::addColumn<int>("fullScreen");
        QTest::addColumn<int>("argumentMinutes");
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("restored");
        QTest::newRow("Argument skipped") << 2 << -1 << 0 << 30 << "over" << false;
        QTest::newRow("Argument skipped, full screen") << 2 << 0 << -1 << 30 << "over" << true;
        QTest::newRow("Quick Start") << 0 << -1 << -1 << 30 << "pro7" << false;
        QTest::newRow("Quick Start, unlimited Argument") << 0 << -1 << 0 << -1 << "pro7" << false;
        QTest::newRow("directions") << 0 << 0 << -1 << 30 << "pro6" << false;
    }
    void nextScreen()
    {
        QFETCH(int, skip);
        QFETCH(int, quickStart);
        QFETCH(int, fullScreen);
        QFETCH(int, argumentMinutes);
        QFETCH(QString, window);
        QFETCH(bool, restored);
        QList<DisplayMode> modesSet;
        SetDisplayBackendForTesting(std::make_unique<RecordingDisplay>(&modesSet));
        SettingsRecord &s = Settings();
        s.SkipSection = std::int16_t(skip);
        s.QuickStart = std::int16_t(quickStart);
        s.FullScreen = std::int16_t(fullScreen);
        State().SavedWidth = 1024;
        State().SavedHeight = 768;
        State().SavedRefreshRate = 75;
        WritingScreen *screen = open(SectionKind::Issue);
        s.ArgumentMinutes = std::int16_t(argumentMinutes);
        tick(screen, 10);
        click(child(screen, "squit"));
        click(child(screen, "Image2"));
        click(child(screen, "Image4"));
        QCOMPARE(shownWindows(), QStringList{window});
        const QList<DisplayMode> expected = restored ? QList<DisplayMode>{{1024, 768, 75}} : QList<DisplayMode>{};
        QCOMPARE(modesSet, expected);
        if (window == QLatin1String("pro7")) {
            QCOMPARE(State().MinutesLeft, std::int16_t(argumentMinutes - 1));
            QCOMPARE(State().SecondsLeft, std::int16_t(60));
            QCOMPARE(child<QLabel>(shownWindow(window), "timing")->text(),
                     argumentMinutes == -1 ? QStringLiteral("Unlimited") : QStringLiteral("00:29"));
        }
    }

    void timeButtonAndBlink()
    {
        setUpSection(6, 5, 60);
        WritingScreen *screen = open(SectionKind::Issue);
        auto *timing = child<QLabel>(screen, "timing");
        click(child(screen, "stime"));
        QVERIFY(timing->isHidden());
        click(child(screen, "stime"));
        QVERIFY(!timing->isHidden());
        click(child(screen, "stime"));
        tick(screen, 60); // five minutes left: the blink starts
        QVERIFY(child<QTimer>(screen, "Timer2")->isActive());
        for (int i = 0; i < 12; ++i) { // six seconds of blinking, twice a second
            screen->Timer2_Timer();
            if (i % 2)
                tick(screen, 1);
        }
        QVERIFY(child<QTimer>(screen, "Timer2")->isActive());
        screen->Timer2_Timer(); // the seconds read 54
        QVERIFY(!child<QTimer>(screen, "Timer2")->isActive());
        QVERIFY(!timing->isHidden()); // shown for good, although the candidate had hidden it
        click(child(screen, "stime"));
        QVERIFY(!timing->isHidden());
    }

    void returnRestoresTheClock_data()
    {
        QTest::addColumn<bool>("hideFirst");
        QTest::newRow("shown clock") << false;
        QTest::newRow("hidden clock") << true;
    }
    void returnRestoresTheClock()
    {
        QFETCH(bool, hideFirst);
        WritingScreen *screen = open(SectionKind::Issue);
        if (hideFirst)
            click(child(screen, "stime"));
        click(child(screen, "squit"));
        QVERIFY(child(screen, "timing")->isHidden());
        click(child(screen, "Image1"));
        QCOMPARE(child(screen, "timing")->isHidden(), hideFirst);
    }

    void blinkStopsWithTheCountdown()
    {
        setUpSection(6, 5, 60);
        WritingScreen *screen = open(SectionKind::Issue);
        tick(screen, 60);
        QVERIFY(child<QTimer>(screen, "Timer2")->isActive());
        click(child(screen, "squit"));
        click(child(screen, "Image2"));
        QVERIFY(!child<QTimer>(screen, "Timer1")->isActive());
        QVERIFY(!child<QTimer>(screen, "Timer2")->isActive());
    }

    void wordCount_data()
    {
        QTest::addColumn<int>("wordCount");
        QTest::addColumn<int>("showAuto");
        QTest::addColumn<bool>("button");
        QTest::addColumn<QString>("afterTyping");
        QTest::newRow("Auto") << -1 << -1 << false << "2 Words";
        QTest::newRow("Manual") << -1 << 0 << true << "";
        QTest::newRow("off") << 0 << -1 << false << "";
        QTest::newRow("off, Manual") << 0 << 0 << false << "";
    }
    void wordCount()
    {
        QFETCH(int, wordCount);
        QFETCH(int, showAuto);
        QFETCH(bool, button);
        QFETCH(QString, afterTyping);
        Settings().WordCount = std::int16_t(wordCount);
        Settings().ShowWordsAuto = std::int16_t(showAuto);
        WritingScreen *screen = open(SectionKind::Issue);
        auto *wordshow = child<QLabel>(screen, "wordshow");
        auto *wordc = child<ImageButton>(screen, "wordc");
        QCOMPARE(!wordc->isHidden(), button);
        QCOMPARE(wordshow->text(), QString());
        if (button) {
            QCOMPARE(wordc->face(), 137);
            click(wordc);
            QCOMPARE(wordshow->text(), QStringLiteral("0 Words"));
        }
        QTest::keyClicks(child(screen, "tin"), QStringLiteral("two words"));
        QCOMPARE(wordshow->text(), button ? QStringLiteral("0 Words") : afterTyping);
        if (button) {
            click(wordc);
            QCOMPARE(wordshow->text(), QStringLiteral("2 Words"));
        }
        click(wordshow);
        QCOMPARE(wordshow->text(), QString());
        QTest::keyClicks(child(screen, "tin"), QStringLiteral(" more"));
        QCOMPARE(wordshow->text(), afterTyping.isEmpty() ? QString() : QStringLiteral("3 Words"));

        // Panels hide the button; Return shows it again in Manual mode.
        click(child(screen, "tquit"));
        QVERIFY(wordc->isHidden());
        click(child(screen, "Image1"));
        QCOMPARE(!wordc->isHidden(), button);

        // On the End of Section panel the label says "Information", which a click leaves in place.
        click(child(screen, "squit"));
        click(child(screen, "Image2"));
        click(wordshow);
        QCOMPARE(wordshow->text(), QStringLiteral("Information"));
        QCOMPARE(State().IssueWords, 3);
    }

    void autosaveOnlyAtTheEndWithoutSafeMode()
    {
        Settings().SafeMode = 0;
        WritingScreen *screen = open(SectionKind::Argument);
        QTest::keyClicks(child(screen, "tin"), QStringLiteral("Draft"));
        tick(screen, 600);
        QVERIFY(autosave(2).isEmpty());
        click(child(screen, "squit"));
        click(child(screen, "Image2"));
        QCOMPARE(autosave(2), DraftContent(SectionKind::Argument, 7, QStringLiteral("Argument topic 7."),
                                           QStringLiteral("Draft"), GeneralDateTimeText(CurrentDateTime())));
    }

    void failedAutosaveKeepsThePreviousFileAndTheSectionGoesOn()
    {
        Settings().SafeMode = -1;
        WritingScreen *screen = open(SectionKind::Issue);
        QTest::keyClicks(child(screen, "tin"), QStringLiteral("first"));
        tick(screen, 60);
        const QByteArray saved = autosave(1);
        QVERIFY(saved.contains("first"));
        QTest::keyClicks(child(screen, "tin"), QStringLiteral(" second"));
        FailNextAtomicWritesForTesting(2);
        tick(screen, 60);
        click(child(screen, "squit"));
        click(child(screen, "Image2"));
        QCOMPARE(autosave(1), saved);
        QCOMPARE(screen->panelKind(), PanelKind::SectionEnd);
        QVERIFY(msg::TakeShown().isEmpty());
        QCOMPARE(State().IssueEssay, QStringLiteral("first second"));
    }

    void missingReviewFolderIsCreated()
    {
        QVERIFY(QDir(ReviewFolder()).removeRecursively());
        WritingScreen *screen = open(SectionKind::Issue);
        click(child(screen, "tquit"));
        click(child(screen, "Image3"));
        QVERIFY(autosave(1).startsWith("ISSUE12 - "));
        QVERIFY(msg::TakeShown().isEmpty());
    }

    void editingButtons()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("outside text"));
        WritingScreen *screen = open(SectionKind::Issue);
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
        auto *box = child<QPlainTextEdit>(screen, "tin");
        click(child(screen, "paste"));
        QCOMPARE(box->toPlainText(), QString());

        QTest::keyClicks(box, QStringLiteral("alpha beta"));
        QTextCursor cursor = box->textCursor();
        cursor.setPosition(0);
        cursor.setPosition(6, QTextCursor::KeepAnchor);
        box->setTextCursor(cursor);
        click(child(screen, "cut"));
        QCOMPARE(box->toPlainText(), QStringLiteral("beta"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("alpha "));
        box->moveCursor(QTextCursor::End);
        click(child(screen, "paste"));
        QCOMPARE(box->toPlainText(), QStringLiteral("betaalpha "));
        click(child(screen, "undo"));
        QCOMPARE(box->toPlainText(), QStringLiteral("beta"));
    }

    void argumentDrawsItsOwnTopic()
    {
        State().ArgumentTopicNo = 0;
        ScriptRandomForTesting({0.5});
        Settings().SafeMode = -1;
        WritingScreen *screen = open(SectionKind::Argument);
        QCOMPARE(State().ArgumentTopicNo, std::int16_t(122));
        QCOMPARE(child<QLabel>(screen, "topic")->text(), QStringLiteral("Argument topic 122."));
        tick(screen, 60);
        QVERIFY(autosave(2).startsWith("ARGUMENT122 - Argument topic 122.\r\n"));
    }

    void longTopicGeometry_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("topicNo");
        QTest::addColumn<int>("length");
        QTest::addColumn<QRect>("geometry");
        const QRect issue = look::TwipsRect(600, 1440, 8535, 705), issueLong = look::TwipsRect(600, 1310, 8775, 945);
        const QRect argument = look::TwipsRect(600, 1200, 8535, 2640);
        const QRect argumentLong = look::TwipsRect(600, 1080, 8775, 2880);
        QTest::newRow("Issue 290") << int(SectionKind::Issue) << 20 << 290 << issue;
        QTest::newRow("Issue 291") << int(SectionKind::Issue) << 20 << 291 << issueLong;
        QTest::newRow("Argument 910") << int(SectionKind::Argument) << 20 << 910 << argument;
        QTest::newRow("Argument 911") << int(SectionKind::Argument) << 20 << 911 << argumentLong;
        QTest::newRow("Argument 149") << int(SectionKind::Argument) << 149 << 0 << argumentLong;
        QTest::newRow("Argument 180") << int(SectionKind::Argument) << 180 << 0 << argumentLong;
    }
    void longTopicGeometry()
    {
        QFETCH(int, section);
        QFETCH(int, topicNo);
        QFETCH(int, length);
        QFETCH(QRect, geometry);
        const QMap<int, QString> texts{{topicNo, QString(length, QLatin1Char('w'))}};
        if (SectionKind(section) == SectionKind::Issue) {
            openPools(texts, {});
            State().IssueTopicNo = std::int16_t(topicNo);
        } else {
            openPools({}, length ? texts : QMap<int, QString>{});
            State().ArgumentTopicNo = std::int16_t(topicNo);
        }
        WritingScreen *screen = open(SectionKind(section));
        QCOMPARE(child(screen, "topic")->geometry(), geometry);
    }

    void topicIsPlainText()
    {
        openPools({{12, QStringLiteral("<b>bold</b> & more")}}, {});
        WritingScreen *screen = open(SectionKind::Issue);
        auto *topic = child<QLabel>(screen, "topic");
        QCOMPARE(topic->text(), QStringLiteral("<b>bold</b> & more"));
        QCOMPARE(topic->textFormat(), Qt::PlainText);
    }
};

QTEST_MAIN(WritingScreenTest)
#include "tst_writing_screen.moc"
