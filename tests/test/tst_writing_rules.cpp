// The widget-free rules of the writing screens and the Issue topic selection.
#include "app/clock.h"
#include "app/program_folder.h"
#include "data/atomic_file.h"
#include "test_support.h"
#include "ui/test/draft_rules.h"
#include "ui/test/topic_selection_rules.h"
#include "ui/test/word_count_rules.h"
#include "ui/test/writing_rules.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace ixo;

class WritingRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void countWords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("words");
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("blanks and line breaks only") << "  \r\n \n\r  " << 0;
        QTest::newRow("one word") << "essay" << 1;
        QTest::newRow("one space") << "two words" << 2;
        QTest::newRow("spaces around and between") << "   two     words   " << 2;
        QTest::newRow("line feed") << "two\nwords" << 2;
        QTest::newRow("CR LF") << "two\r\nwords" << 2;
        QTest::newRow("tab joins") << "two\twords" << 1;
        QTest::newRow("non-breaking space joins") << QStringLiteral("two\u00a0words") << 1;
        QTest::newRow("comma joins") << "two,words" << 1;
        QTest::newRow("comma and space") << "two, words" << 2;
        QTest::newRow("lone hyphen is a word") << "well - reasoned" << 3;
        QTest::newRow("apostrophe and hyphen inside") << "candidate's well-reasoned view" << 3;
        QTest::newRow("paragraphs") << "First line.\n\nSecond paragraph here.\n" << 5;
        QTest::newRow("Chinese run") << QStringLiteral("中文 作文") << 2;
    }
    void countWords()
    {
        QFETCH(QString, text);
        QFETCH(int, words);
        QCOMPARE(CountWords(text), words);
    }

    void wordCountText()
    {
        QCOMPARE(WordCountText(0), QStringLiteral("0 Words"));
        QCOMPARE(WordCountText(1), QStringLiteral("1 Words"));
    }

    // Runs a countdown tick by tick and records when things happen (0: never within `ticks`).
    void countdown_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<bool>("safeMode");
        QTest::addColumn<QString>("loadText");
        QTest::addColumn<QStringList>("texts"); // the clock after ticks 1, 2, ...
        QTest::addColumn<int>("firstSave");
        QTest::addColumn<int>("saves");
        QTest::addColumn<int>("blinkAt");
        QTest::addColumn<int>("timeUpAt");
        QTest::newRow("45 minutes") << 45 << 44 << 60 << true << "00:44" << QStringList{"00:44", "00:44"} << 60 << 44
                                    << 2400 << 2700;
        QTest::newRow("45 minutes without Safe Mode")
            << 45 << 44 << 60 << false << "00:44" << QStringList{"00:44"} << 0 << 0 << 2400 << 2700;
        QTest::newRow("0:0 after the topic selection ran out")
            << 45 << 0 << 0 << true << "00:00" << QStringList{} << 0 << 0 << 0 << 1;
        QTest::newRow("4:60, five minutes")
            << 5 << 4 << 60 << true << "00:04" << QStringList{"00:04:59", "00:04:58"} << 60 << 4 << 0 << 300;
        QTest::newRow("0:60, one minute")
            << 1 << 0 << 60 << true << "00:00" << QStringList{"00:00:59"} << 0 << 0 << 0 << 60;
        QTest::newRow("5:60, six minutes")
            << 6 << 5 << 60 << true << "00:05" << QStringList{"00:05"} << 60 << 5 << 60 << 360;
        QTest::newRow("90 minutes") << 90 << 89 << 60 << true << "01:29" << QStringList{"01:29"} << 60 << 89 << 5100
                                    << 5400;
        QTest::newRow("43:45 after 75 s of topic selection")
            << 45 << 43 << 45 << true << "00:43" << QStringList{"00:43"} << 45 << 43 << 2325 << 2625;
        QTest::newRow("unlimited") << -1 << -2 << 60 << true << "Unlimited" << QStringList{QString(), QString()} << 0
                                   << 0 << 0 << 0;
    }
    void countdown()
    {
        QFETCH(int, limit);
        QFETCH(int, minutes);
        QFETCH(int, seconds);
        QFETCH(bool, safeMode);
        QFETCH(QString, loadText);
        QFETCH(QStringList, texts);
        QFETCH(int, firstSave);
        QFETCH(int, saves);
        QFETCH(int, blinkAt);
        QFETCH(int, timeUpAt);

        WritingCountdown clock{std::int16_t(limit), std::int16_t(minutes), std::int16_t(seconds)};
        QCOMPARE(clock.loadText(), loadText);
        int seenFirstSave = 0, seenSaves = 0, seenBlink = 0, seenTimeUp = 0;
        const int run = limit > 0 ? limit * 60 : 6000;
        for (int t = 1; t <= run && !seenTimeUp; ++t) {
            const WritingCountdown::Tick tick = clock.tick(safeMode);
            QCOMPARE(clock.ticks(), t);
            if (t <= texts.size()) {
                QCOMPARE(tick.clockText, texts.at(t - 1));
                QCOMPARE(tick.clockText.isNull(), texts.at(t - 1).isNull());
            }
            if (tick.saveDue) {
                ++seenSaves;
                if (!seenFirstSave)
                    seenFirstSave = t;
            }
            if (tick.blinkStarts) {
                QCOMPARE(seenBlink, 0);
                seenBlink = t;
                QCOMPARE(clock.minutes() * 60 + clock.seconds(), 300);
            }
            if (tick.timeUp) {
                seenTimeUp = t;
                QCOMPARE(tick.clockText.left(5), QStringLiteral("00:00"));
                QVERIFY(!tick.saveDue);
            }
        }
        QCOMPARE(seenFirstSave, firstSave);
        QCOMPARE(seenSaves, saves);
        QCOMPARE(seenBlink, blinkAt);
        QCOMPARE(seenTimeUp, timeUpAt);
    }

    void lastFiveMinutesShowSeconds()
    {
        WritingCountdown clock(45, 44, 60);
        QString text;
        for (int t = 1; t <= 2401; ++t) {
            text = clock.tick(true).clockText;
            if (t == 2400) {
                QCOMPARE(text, QStringLiteral("00:05"));
                QVERIFY(clock.clockCanBeHidden() == false);
            }
        }
        QCOMPARE(text, QStringLiteral("00:04:59")); // 299 seconds left
        for (int t = 2402; t <= 2405; ++t) {
            clock.tick(true);
            QVERIFY(!clock.blinkEnds());
        }
        QCOMPARE(clock.tick(true).clockText, QStringLiteral("00:04:54"));
        QVERIFY(clock.blinkEnds());
        for (int t = 2407; t < 2691; ++t)
            clock.tick(true);
        QCOMPARE(clock.tick(true).clockText, QStringLiteral("00:00:09"));
        QCOMPARE(clock.tick(true).clockText, QStringLiteral("00:00:08"));
    }

    void timeButtonRule()
    {
        QVERIFY(WritingCountdown(45, 5, 1).clockCanBeHidden());
        QVERIFY(!WritingCountdown(45, 4, 60).clockCanBeHidden());
        QVERIFY(!WritingCountdown(-1, -2, 60).clockCanBeHidden());
    }

    void fullLimitSeconds()
    {
        QCOMPARE(FullLimitSeconds(45), 2700);
        QCOMPARE(FullLimitSeconds(999), 59940);
    }

    void longTopic_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("topicNo");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("isLong");
        QTest::newRow("Issue 290") << int(SectionKind::Issue) << 5 << 290 << false;
        QTest::newRow("Issue 291") << int(SectionKind::Issue) << 5 << 291 << true;
        QTest::newRow("Issue 149 is not special") << int(SectionKind::Issue) << 149 << 10 << false;
        QTest::newRow("Argument 910") << int(SectionKind::Argument) << 5 << 910 << false;
        QTest::newRow("Argument 911") << int(SectionKind::Argument) << 5 << 911 << true;
        QTest::newRow("Argument 149") << int(SectionKind::Argument) << 149 << 10 << true;
        QTest::newRow("Argument 180") << int(SectionKind::Argument) << 180 << 10 << true;
    }
    void longTopic()
    {
        QFETCH(int, section);
        QFETCH(int, topicNo);
        QFETCH(int, length);
        QFETCH(bool, isLong);
        QCOMPARE(IsLongTopic(SectionKind(section), topicNo, QString(length, QLatin1Char('x'))), isLong);
    }

    void proceed_data()
    {
        QTest::addColumn<int>("panel");
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("skip");
        QTest::addColumn<int>("quickStart");
        QTest::addColumn<int>("step");
        const int issue = int(SectionKind::Issue), argument = int(SectionKind::Argument);
        const int timeExpired = int(PanelKind::TimeExpired), sectionEnd = int(PanelKind::SectionEnd);
        QTest::newRow("Time Has Expired, Section 1")
            << timeExpired << issue << 0 << 0 << int(ProceedStep::ShowSectionEnd);
        QTest::newRow("Time Has Expired, Section 2")
            << timeExpired << argument << 2 << -1 << int(ProceedStep::ShowSectionEnd);
        QTest::newRow("Section 1 end, Argument skipped")
            << sectionEnd << issue << 2 << -1 << int(ProceedStep::OpenReview);
        QTest::newRow("Section 1 end, Quick Start")
            << sectionEnd << issue << 0 << -1 << int(ProceedStep::OpenArgumentWriting);
        QTest::newRow("Section 1 end, directions")
            << sectionEnd << issue << 0 << 0 << int(ProceedStep::OpenArgumentDirections);
        QTest::newRow("Section 1 end, Quick Start other than -1")
            << sectionEnd << issue << 0 << 1 << int(ProceedStep::OpenArgumentDirections);
        QTest::newRow("Section 2 end") << sectionEnd << argument << 2 << -1 << int(ProceedStep::ShowTestComplete);
        QTest::newRow("test complete") << int(PanelKind::TestComplete) << argument << 0 << 0
                                       << int(ProceedStep::OpenReview);
        QTest::newRow("Exit Section panel has no Proceed")
            << int(PanelKind::ExitSection) << issue << 0 << 0 << int(ProceedStep::None);
        QTest::newRow("Quit Test panel has no Proceed")
            << int(PanelKind::QuitTest) << argument << 0 << 0 << int(ProceedStep::None);
    }
    void proceed()
    {
        QFETCH(int, panel);
        QFETCH(int, section);
        QFETCH(int, skip);
        QFETCH(int, quickStart);
        QFETCH(int, step);
        SettingsRecord settings;
        settings.SkipSection = std::int16_t(skip);
        settings.QuickStart = std::int16_t(quickStart);
        QCOMPARE(int(ProceedFrom(PanelKind(panel), SectionKind(section), settings)), step);
    }

    void secondTopic_data()
    {
        QTest::addColumn<int>("drawn");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("different") << 5 << 17 << 5;
        QTest::newRow("collision on 1") << 1 << 1 << 244;
        QTest::newRow("collision on 100") << 100 << 100 << 99;
        QTest::newRow("collision on 244") << 244 << 244 << 243;
    }
    void secondTopic()
    {
        QFETCH(int, drawn);
        QFETCH(int, first);
        QFETCH(int, second);
        QCOMPARE(SecondTopicNumber(drawn, first, 244), second);
    }

    void selectionCountdown()
    {
        SelectionCountdown clock(44, 60);
        int newMinutes = 0;
        for (int t = 1; t <= 75; ++t)
            newMinutes += clock.tick() == SelectionCountdown::Tick::NewMinute;
        QCOMPARE(newMinutes, 1);
        QCOMPARE(clock.minutes(), 43);
        QCOMPARE(clock.seconds(), 45);

        SelectionCountdown oneMinute(0, 60);
        for (int t = 1; t < 60; ++t)
            QCOMPARE(oneMinute.tick(), SelectionCountdown::Tick::SameMinute);
        QCOMPARE(oneMinute.tick(), SelectionCountdown::Tick::TimeUp);
    }

    void draftContent_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("topicNo");
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QString>("essay");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty essay") << int(SectionKind::Issue) << 12 << "A topic."
                                     << "" << QByteArray("ISSUE12 - A topic.\r\n\r\n\r\n\r\n(D T)\r\n");
        QTest::newRow("essay with line breaks")
            << int(SectionKind::Argument) << 7 << "Argument."
            << "One.\nTwo.\n\nThree"
            << QByteArray("ARGUMENT7 - Argument.\r\n\r\nOne.\r\nTwo.\r\n\r\nThree\r\n\r\n(D T)\r\n");
        QTest::newRow("CR LF and CR in the essay stay one break each")
            << int(SectionKind::Issue) << 1 << "T"
            << "a\r\nb\rc" << QByteArray("ISSUE1 - T\r\n\r\na\r\nb\r\nc\r\n\r\n(D T)\r\n");
        QTest::newRow("UTF-8") << int(SectionKind::Issue) << 244 << QStringLiteral("Café")
                               << QStringLiteral("naïve 中文")
                               << QByteArray("ISSUE244 - Caf\xc3\xa9\r\n\r\nna\xc3\xafve \xe4\xb8\xad\xe6\x96\x87"
                                             "\r\n\r\n(D T)\r\n");
    }
    void draftContent()
    {
        QFETCH(int, section);
        QFETCH(int, topicNo);
        QFETCH(QString, topic);
        QFETCH(QString, essay);
        QFETCH(QByteArray, bytes);
        QCOMPARE(DraftContent(SectionKind(section), topicNo, topic, essay, QStringLiteral("D T")), bytes);
    }

    void saveDraftWritesTheFileStampedWithTheClock()
    {
        testing::ProgramFolderFixture folder;
        const QDateTime moment(QDate(2024, 3, 9), QTime(14, 5, 7));
        SetCurrentDateTimeForTesting(moment);
        QVERIFY(!SaveDraft(SectionKind::Issue, 12, QStringLiteral("A topic."), QString()));
        const QByteArray date = GeneralDateTimeText(moment).toUtf8();
        QCOMPARE(folder.readFile(folder.reviewPath(QStringLiteral("autosave1.txt"))),
                 "ISSUE12 - A topic.\r\n\r\n\r\n\r\n(" + date + ")\r\n");
        QVERIFY(!SaveDraft(SectionKind::Argument, 3, QStringLiteral("B."), QStringLiteral("Two words.\nMore")));
        QCOMPARE(folder.readFile(folder.reviewPath(QStringLiteral("autosave2.txt"))),
                 "ARGUMENT3 - B.\r\n\r\nTwo words.\r\nMore\r\n\r\n(" + date + ")\r\n");
    }

    void failedSaveKeepsThePreviousFile()
    {
        testing::ProgramFolderFixture folder;
        QVERIFY(!SaveDraft(SectionKind::Issue, 1, QStringLiteral("T"), QStringLiteral("first version")));
        const QByteArray before = folder.readFile(folder.reviewPath(QStringLiteral("autosave1.txt")));
        FailNextAtomicWritesForTesting(1);
        QVERIFY(SaveDraft(SectionKind::Issue, 1, QStringLiteral("T"), QStringLiteral("second version")));
        QCOMPARE(folder.readFile(folder.reviewPath(QStringLiteral("autosave1.txt"))), before);
        QCOMPARE(QDir(ReviewFolder()).entryList(QDir::Files), QStringList{QStringLiteral("autosave1.txt")});
    }

    void missingReviewFolderIsCreated()
    {
        testing::ProgramFolderFixture folder;
        QVERIFY(QDir(ReviewFolder()).removeRecursively());
        QVERIFY(!SaveDraft(SectionKind::Argument, 2, QStringLiteral("T"), QStringLiteral("essay")));
        QVERIFY(QFile::exists(folder.reviewPath(QStringLiteral("autosave2.txt"))));
    }

    void reviewFolderThatIsAFileFails()
    {
        testing::ProgramFolderFixture folder;
        QVERIFY(QDir(ReviewFolder()).removeRecursively());
        QFile blocker(ReviewFolder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(SaveDraft(SectionKind::Issue, 2, QStringLiteral("T"), QStringLiteral("essay")));
    }
};

QTEST_GUILESS_MAIN(WritingRulesTest)
#include "tst_writing_rules.moc"
