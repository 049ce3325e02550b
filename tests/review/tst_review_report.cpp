#include "app/clock.h"
#include "app/data_files.h"
#include "app/program_folder.h"
#include "app/road.h"
#include "app/test_state.h"
#include "data/atomic_file.h"
#include "data/topic_pool.h"
#include "test_support.h"
#include "ui/message_box.h"
#include "ui/review/over.h"
#include "ui/review/report_rules.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace ixo;
using namespace Qt::StringLiterals;
using ixo::testing::ProgramFolderFixture;

namespace {

const QDateTime Moment(QDate(2007, 8, 16), QTime(14, 5, 9));
const QString Spaces(10, u' ');

// Results of a test with Issue topic 12 and Argument topic 34, and both topics in the pools.
void prepareTest(int issueWords, int argumentWords, int issueTopic = 12, int argumentTopic = 34)
{
    SetCurrentDateTimeForTesting(Moment);
    OpenDataFiles();
    WriteIssueTopic(12, {12, QStringLiteral("Issue topic twelve.\r\nSecond line."), 3, RecordInUse});
    WriteArgumentTopic(34, {34, QStringLiteral("Argument topic."), 0, RecordInUse});
    TestState &t = State();
    t.IssueTopicNo = static_cast<std::int16_t>(issueTopic);
    t.IssueWords = issueWords;
    t.IssueElapsed = 2700;
    t.IssueEssay = QStringLiteral("My issue essay.");
    t.ArgumentTopicNo = static_cast<std::int16_t>(argumentTopic);
    t.ArgumentWords = argumentWords;
    t.ArgumentElapsed = 1799;
    t.ArgumentEssay = QString::fromUtf8("Line one\r\nLine two \u00e9\u4e2d");
}

over *openReview()
{
    auto *window = qobject_cast<over *>(ShowScreen(Screen::Over));
    Q_ASSERT(window);
    return window;
}

QPlainTextEdit *box(over *window)
{
    return window->findChild<QPlainTextEdit *>(QStringLiteral("res"));
}

void click(over *window, const char *button)
{
    QTest::mouseClick(window->findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
}

} // namespace

class ReviewReportTest : public QObject
{
    Q_OBJECT

private slots:
    void report_data()
    {
        QTest::addColumn<int>("issueTopic");
        QTest::addColumn<int>("issueWords");
        QTest::addColumn<int>("argumentTopic");
        QTest::addColumn<int>("argumentWords");
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text"); // %D stands for the date and time

        const QString issue = "TOPIC: ISSUE12 - Issue topic twelve.\r\nSecond line.\r\nWORDS: 3" + Spaces +
                              "TIME: 00:45:00" + Spaces + "DATE: %D\r\n\r\nMy issue essay.";
        const QString argument = "\r\n\r\n\r\nTOPIC: ARGUMENT34 - Argument topic.\r\nWORDS: 4" + Spaces +
                                 "TIME: 00:29:59" + Spaces + "DATE: %D\r\n\r\n" +
                                 QString::fromUtf8("Line one\r\nLine two \u00e9\u4e2d");
        QTest::newRow("both sections") << 12 << 3 << 34 << 4 << false << "2007-08-16 Issue12 Argument34"
                                       << issue + argument;
        QTest::newRow("issue only") << 12 << 3 << 34 << 0 << false << "2007-08-16 Issue12" << issue;
        QTest::newRow("argument only") << 12 << 0 << 34 << 4 << false << "2007-08-16 Argument34" << argument;
        QTest::newRow("issue skipped with words left")
            << 0 << 3 << 34 << 4 << false << "2007-08-16 Argument34" << argument;
        QTest::newRow("nothing written") << 12 << 0 << 0 << 4 << false << "2007-08-16"
                                         << "";
        QTest::newRow("chinese labels") << 12 << 3 << 34 << 4 << true << "2007-08-16 Issue12 Argument34"
                                        << QString(issue + argument)
                                               .replace("TOPIC: ", u"题目："_s)
                                               .replace("WORDS: ", u"字数："_s)
                                               .replace("TIME: ", u"用时："_s)
                                               .replace("DATE: ", u"日期："_s);
    }
    void report()
    {
        QFETCH(int, issueTopic);
        QFETCH(int, issueWords);
        QFETCH(int, argumentTopic);
        QFETCH(int, argumentWords);
        QFETCH(bool, chinese);
        QFETCH(QString, name);
        QFETCH(QString, text);
        ProgramFolderFixture fixture;
        prepareTest(issueWords, argumentWords, issueTopic, argumentTopic);
        State().LanguageOffset = chinese ? 1000 : 0;
        text.replace("%D", GeneralDateTimeText(Moment));

        const ReviewReport report = BuildReviewReport(State(), Moment);
        QCOMPARE(report.name, name);
        QCOMPARE(report.text, text);

        // The window shows the same report, once, with line breaks of its own.
        over *window = openReview();
        QCOMPARE(window->reportName(), name);
        QCOMPARE(box(window)->toPlainText(), QString(text).replace("\r\n", "\n"));
        QCOMPARE(window->windowTitle(), chinese ? u"练习结果"_s : QString("Test Review"));
        QCOMPARE(window->findChild<QPushButton *>("copall")->text(),
                 chinese ? u"复制到剪切板"_s : QString("Copy to Clipboard"));
    }

    void formatElapsed_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << 0 << "00:00:00";
        QTest::newRow("nine seconds") << 9 << "00:00:09";
        QTest::newRow("second short of an hour") << 3599 << "00:59:59";
        QTest::newRow("an hour") << 3600 << "01:00:00";
        QTest::newRow("45 minutes") << 2700 << "00:45:00";
        QTest::newRow("a hundred hours") << 360000 << "100:00:00";
    }
    void formatElapsed()
    {
        QFETCH(int, seconds);
        QFETCH(QString, text);
        QCOMPARE(FormatElapsed(seconds), text);
    }

    void save_data()
    {
        QTest::addColumn<QByteArray>("oldBytes"); // null: no file yet
        QTest::addColumn<int>("answer");          // to the overwrite question
        QTest::addColumn<bool>("failWrite");
        QTest::addColumn<bool>("dropFolder");
        QTest::addColumn<bool>("written");

        QTest::newRow("new file") << QByteArray() << 0 << false << false << true;
        QTest::newRow("overwrite yes") << QByteArray("old report\r\n") << int(msg::Yes) << false << false << true;
        QTest::newRow("overwrite no") << QByteArray("old report\r\n") << int(msg::No) << false << false << false;
        QTest::newRow("write fails") << QByteArray("old report\r\n") << int(msg::Yes) << true << false << false;
        QTest::newRow("review folder missing") << QByteArray() << 0 << false << true << true;
    }
    void save()
    {
        QFETCH(QByteArray, oldBytes);
        QFETCH(int, answer);
        QFETCH(bool, failWrite);
        QFETCH(bool, dropFolder);
        QFETCH(bool, written);
        ProgramFolderFixture fixture;
        prepareTest(3, 4);
        const QString path = fixture.reviewPath("2007-08-16 Issue12 Argument34.txt");
        if (dropFolder)
            QVERIFY(QDir(fixture.reviewPath({})).removeRecursively());
        if (!oldBytes.isNull()) {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(oldBytes);
        }
        if (answer)
            msg::QueueAnswer(answer);
        FailNextAtomicWritesForTesting(failWrite ? 1 : 0);

        over *window = openReview();
        box(window)->appendPlainText(QString::fromUtf8("Typed by the candidate \u2014 \u5b8c"));
        click(window, "save");

        QList<msg::Shown> shown = msg::TakeShown();
        for (const msg::Shown &m : shown)
            QCOMPARE(m.title, QString("IXO"));
        if (!oldBytes.isNull()) {
            QVERIFY(!shown.isEmpty());
            const msg::Shown question = shown.takeFirst();
            QCOMPARE(question.text, QString("File already exist, overwrite?"));
            QCOMPARE(question.buttons, int(msg::Yes | msg::No));
            QCOMPARE(question.icon, msg::Icon::Question);
            QCOMPARE(question.defaultButton, int(msg::No));
        }
        const QByteArray bytes = fixture.readFile(path);
        if (written) {
            const QString expected = box(window)->toPlainText().replace("\n", "\r\n") + "\r\n";
            QCOMPARE(bytes, expected.toUtf8());
            QVERIFY(bytes.endsWith("\u5b8c\r\n"));
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown.first().text, QString("File saved to 2007-08-16 Issue12 Argument34.txt"));
        } else {
            QCOMPARE(bytes, oldBytes);
            if (failWrite) {
                QCOMPARE(shown.size(), 1);
                QVERIFY2(shown.first().text.contains("No space left on device"), qPrintable(shown.first().text));
                QVERIFY(!shown.first().text.startsWith("File saved to"));
            } else {
                QVERIFY(shown.isEmpty());
            }
        }
    }

    void emptyReportSavesOnlyTypedText()
    {
        ProgramFolderFixture fixture;
        prepareTest(0, 0);
        over *window = openReview();
        QVERIFY(box(window)->toPlainText().isEmpty());
        click(window, "save");
        const QList<msg::Shown> shown = msg::TakeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().text, QString("Text empty"));
        QCOMPARE(shown.first().title, QString("IXO"));
        QVERIFY(QDir(fixture.reviewPath({})).isEmpty());

        box(window)->setPlainText("notes");
        click(window, "save");
        QCOMPARE(fixture.readFile(fixture.reviewPath("2007-08-16.txt")), QByteArray("notes\r\n"));
    }

    void copyPutsWholeTextOnClipboardAndSelectsIt()
    {
        ProgramFolderFixture fixture;
        prepareTest(3, 4);
        over *window = openReview();
        QGuiApplication::clipboard()->clear();
        click(window, "copall");
        QPlainTextEdit *res = box(window);
        QCOMPARE(QGuiApplication::clipboard()->text(), res->toPlainText());
        QCOMPARE(res->textCursor().selectedText().size(), res->toPlainText().size());
        QCOMPARE(window->focusWidget(), res);
        QVERIFY(msg::TakeShown().isEmpty());
    }

    void returnClosesFilesAndShowsMainWindow()
    {
        ProgramFolderFixture fixture;
        prepareTest(3, 4);
        QPointer<over> window = openReview();
        SettingsRecord stored;
        stored.Language = 1;
        fixture.writeDataFile(QStringLiteral("conf.dat"), stored.toBytes());
        click(window, "back");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
        // The new main window's load opened the files again and read the settings file afresh.
        QVERIFY(IssuePool().isOpen());
        QVERIFY(ArgumentPool().isOpen());
        QCOMPARE(Settings().Language, std::int16_t(1));
        bool mainWindowShown = false;
        for (QWidget *w : QApplication::topLevelWidgets())
            mainWindowShown |= w->objectName() == "Form1" && w->isVisible();
        QVERIFY(mainWindowShown);
    }
};

QTEST_MAIN(ReviewReportTest)
#include "tst_review_report.moc"
