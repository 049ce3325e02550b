// The Issue topic selection pro3: the two draws, the choice, the countdown and the hand-over to pro4.
#include "app/data_files.h"
#include "app/random.h"
#include "app/road.h"
#include "app/test_state.h"
#include "data/topic_pool.h"
#include "test_support.h"
#include "ui/test/faces.h"
#include "ui/test/pro3.h"
#include "ui/test/test_screen.h"
#include "ui/test/writing_screen.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace ixo;

namespace {

QByteArray issuePool()
{
    QByteArray bytes;
    for (int n = 1; n <= IssuePoolSize; ++n)
        bytes += EncodeRecord(PoolKind::Issue,
                              {std::int16_t(n), QStringLiteral("Topic %1 <i>text</i>.").arg(n), 0, RecordInUse},
                              CodePage::Windows1252);
    return bytes;
}

// The draw that DrawTopicNumber(244) turns into topic n.
double drawFor(int n)
{
    return (n - 0.5) / IssuePoolSize;
}

QString topicText(int n)
{
    return QStringLiteral("Topic %1 <i>text</i>.").arg(n);
}

QStringList shownWindows()
{
    QStringList names;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (!w->isHidden())
            names << w->objectName();
    return names;
}

} // namespace

class TopicSelectionTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<testing::ProgramFolderFixture> m_folder;

    pro3 *open(int issueTopicNo, const QList<double> &draws, int issueMinutes = 45)
    {
        State().IssueTopicNo = std::int16_t(issueTopicNo);
        Settings().IssueMinutes = std::int16_t(issueMinutes);
        State().MinutesLeft = std::int16_t(issueMinutes - 1);
        State().SecondsLeft = 60;
        ScriptRandomForTesting(draws);
        return qobject_cast<pro3 *>(ShowScreen(Screen::Pro3));
    }

    template <class T = QWidget> static T *child(QWidget *screen, const char *name)
    {
        return screen->findChild<T *>(QString::fromLatin1(name));
    }

    static void tick(pro3 *screen, int count)
    {
        QPointer<pro3> alive(screen);
        for (int i = 0; i < count && alive && !alive->isHidden(); ++i)
            screen->Timer1_Timer();
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<testing::ProgramFolderFixture>();
        m_folder->writeDataFile(QStringLiteral("issue.dat"), issuePool());
        OpenDataFiles();
    }
    void cleanup() { m_folder.reset(); }

    void layout()
    {
        pro3 *screen = open(0, {drawFor(3), drawFor(9)});
        QVERIFY(screen);
        QCOMPARE(screen->objectName(), QStringLiteral("pro3"));
        for (const char *name : {"timing", "top1", "top2", "st1", "st2", "img_help", "Picture2", "ctop", "yes", "no"})
            QVERIFY2(child(screen, name), name);
        QCOMPARE(child<Picture>(screen, "img_help")->face(), 114);
        QCOMPARE(child<QPushButton>(screen, "st1")->text(), QStringLiteral("TOPIC 1"));
        QCOMPARE(child<QPushButton>(screen, "st2")->palette().color(QPalette::Button), QColor(192, 192, 192));
        QVERIFY(child(screen, "Picture2")->isHidden());
        QCOMPARE(child<QLabel>(screen, "top1")->textFormat(), Qt::PlainText);
        QCOMPARE(child<QLabel>(screen, "top1")->text(), topicText(3));
        QCOMPARE(child<QLabel>(screen, "top2")->text(), topicText(9));
        auto *timer = child<QTimer>(screen, "Timer1");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 1000);
        QCOMPARE(timer->timerType(), Qt::PreciseTimer);
        // The confirmation panel covers the TOPIC buttons but not the title strip or the Help icon.
        const QRect panel = child(screen, "Picture2")->geometry();
        QVERIFY(panel.contains(child(screen, "st2")->geometry()));
        QVERIFY(!panel.intersects(child(screen, "img_help")->geometry()));
        QVERIFY(panel.top() >= child(screen, "timing")->geometry().bottom());
    }

    void draws_data()
    {
        QTest::addColumn<int>("issueTopicNo");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<int>("topic1");
        QTest::addColumn<int>("topic2");
        QTest::newRow("two different draws") << 0 << QList<double>{drawFor(3), drawFor(9)} << 3 << 9;
        QTest::newRow("collision on topic 1 gives 244") << 0 << QList<double>{drawFor(1), drawFor(1)} << 1 << 244;
        QTest::newRow("collision on topic 100 gives 99") << 0 << QList<double>{drawFor(100), drawFor(100)} << 100 << 99;
        QTest::newRow("largest draw") << 0 << QList<double>{0.999999, 0.0} << 244 << 1;
        QTest::newRow("topic 17 fixed") << 17 << QList<double>{drawFor(50)} << 17 << 50;
        QTest::newRow("topic 17 fixed, draw of 17") << 17 << QList<double>{drawFor(17)} << 17 << 16;
    }
    void draws()
    {
        QFETCH(int, issueTopicNo);
        QFETCH(QList<double>, draws);
        QFETCH(int, topic1);
        QFETCH(int, topic2);
        pro3 *screen = open(issueTopicNo, draws);
        QCOMPARE(screen->topic1No(), topic1);
        QCOMPARE(screen->topic2No(), topic2);
        QCOMPARE(child<QLabel>(screen, "top1")->text(), topicText(topic1));
        QCOMPARE(child<QLabel>(screen, "top2")->text(), topicText(topic2));
    }

    void chooseAndConfirm()
    {
        pro3 *screen = open(0, {drawFor(3), drawFor(9)});
        QPointer<pro3> alive(screen);
        QTest::mouseClick(child(screen, "st1"), Qt::LeftButton);
        QVERIFY(!child(screen, "Picture2")->isHidden());
        QCOMPARE(child<QLabel>(screen, "ctop")->text(), topicText(3));
        QTest::mouseClick(child(screen, "no"), Qt::LeftButton);
        QVERIFY(child(screen, "Picture2")->isHidden());
        QCOMPARE(State().IssueTopicNo, std::int16_t(0));
        QTest::mouseClick(child(screen, "st2"), Qt::LeftButton);
        QCOMPARE(child<QLabel>(screen, "ctop")->text(), topicText(9));
        tick(screen, 75); // the clock runs while the panel is shown
        QTest::mouseClick(child(screen, "yes"), Qt::LeftButton);
        QCOMPARE(State().IssueTopicNo, std::int16_t(9));
        QCOMPARE(State().MinutesLeft, std::int16_t(43));
        QCOMPARE(State().SecondsLeft, std::int16_t(45));
        QCOMPARE(shownWindows(), QStringList{QStringLiteral("pro4")});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!alive);
        auto *pro4 = qobject_cast<WritingScreen *>(QApplication::topLevelWidgets().value(0));
        QVERIFY(pro4);
        QCOMPARE(child<QLabel>(pro4, "topic")->text(), topicText(9));
        QCOMPARE(child<QLabel>(pro4, "timing")->text(), QStringLiteral("00:43"));
    }

    void clock_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("atLoad");
        QTest::addColumn<QString>("afterOneMinute");
        QTest::addColumn<int>("timeUpAt");
        QTest::newRow("45 minutes") << 45 << "00:44"
                                    << "00:43" << 2700;
        QTest::newRow("1 minute") << 1 << "00:00"
                                  << "" << 60;
        QTest::newRow("90 minutes") << 90 << "01:29"
                                    << "01:28" << 5400;
    }
    void clock()
    {
        QFETCH(int, minutes);
        QFETCH(QString, atLoad);
        QFETCH(QString, afterOneMinute);
        QFETCH(int, timeUpAt);
        pro3 *screen = open(0, {drawFor(3), drawFor(9)}, minutes);
        QPointer<pro3> alive(screen);
        auto *timing = child<QLabel>(screen, "timing");
        QCOMPARE(timing->text(), atLoad);
        tick(screen, 59);
        QCOMPARE(timing->text(), atLoad);
        if (minutes > 1) {
            tick(screen, 1);
            QCOMPARE(timing->text(), afterOneMinute);
            tick(screen, timeUpAt - 61);
        }
        QVERIFY(!alive->isHidden());
        tick(screen, 1);
        QVERIFY(alive->isHidden());
        QCOMPARE(shownWindows(), QStringList{QStringLiteral("pro4")});
    }

    void timeOut_data()
    {
        QTest::addColumn<int>("issueTopicNo");
        QTest::addColumn<QString>("chosen"); // the TOPIC button pressed before the time ran out, if any
        QTest::addColumn<bool>("thenNo");
        QTest::addColumn<int>("stored");
        QTest::newRow("random, nothing chosen") << 0 << "" << false << 3;
        QTest::newRow("random, topic 2 being confirmed") << 0 << "st2" << false << 9;
        QTest::newRow("random, topic 2 chosen then No") << 0 << "st2" << true << 3;
        QTest::newRow("fixed 17, topic 2 being confirmed") << 17 << "st2" << false << 17;
    }
    void timeOut()
    {
        QFETCH(int, issueTopicNo);
        QFETCH(QString, chosen);
        QFETCH(bool, thenNo);
        QFETCH(int, stored);
        pro3 *screen = open(issueTopicNo, {drawFor(3), drawFor(9)}, 1);
        if (!chosen.isEmpty())
            QTest::mouseClick(screen->findChild<QWidget *>(chosen), Qt::LeftButton);
        if (thenNo)
            QTest::mouseClick(child(screen, "no"), Qt::LeftButton);
        tick(screen, 60);
        QCOMPARE(State().IssueTopicNo, std::int16_t(stored));
        QCOMPARE(State().MinutesLeft, std::int16_t(0));
        QCOMPARE(State().SecondsLeft, std::int16_t(0));
        QCOMPARE(shownWindows(), QStringList{QStringLiteral("pro4")});
        // The writing screen shows the stored topic and runs out at its first tick.
        auto *pro4 = qobject_cast<WritingScreen *>(QApplication::topLevelWidgets().value(0) == screen
                                                       ? QApplication::topLevelWidgets().value(1)
                                                       : QApplication::topLevelWidgets().value(0));
        QVERIFY(pro4);
        QCOMPARE(child<QLabel>(pro4, "topic")->text(), topicText(stored));
        pro4->Timer1_Timer();
        QCOMPARE(pro4->panelKind(), PanelKind::TimeExpired);
        QCOMPARE(State().IssueElapsed, 60);
    }

    void unlimited()
    {
        pro3 *screen = open(0, {drawFor(3), drawFor(9)}, -1);
        QCOMPARE(child<QLabel>(screen, "timing")->text(), QStringLiteral("Unlimited"));
        QVERIFY(!child<QTimer>(screen, "Timer1")->isActive());
        tick(screen, 5000);
        QVERIFY(!screen->isHidden());
        QTest::mouseClick(child(screen, "st1"), Qt::LeftButton);
        QTest::mouseClick(child(screen, "yes"), Qt::LeftButton);
        QCOMPARE(State().IssueTopicNo, std::int16_t(3));
        QCOMPARE(State().MinutesLeft, std::int16_t(-2));
        QCOMPARE(State().SecondsLeft, std::int16_t(60));
    }
};

QTEST_MAIN(TopicSelectionTest)
#include "tst_topic_selection.moc"
