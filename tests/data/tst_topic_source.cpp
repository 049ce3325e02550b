#include "data/pool_file.h"
#include "data/topic_source.h"

#include <QRandomGenerator>
#include <QTest>
#include <QtEndian>

using namespace ixo;

Q_DECLARE_METATYPE(ixo::PoolKind)
Q_DECLARE_METATYPE(ixo::CodePage)
Q_DECLARE_METATYPE(ixo::TopicRecord)

namespace {

TopicRecord topic(int n, const QString &text, int sort = 0)
{
    return {static_cast<std::int16_t>(n), text, static_cast<std::int16_t>(sort), RecordInUse};
}

// A three-topic Issue pool whose record 2 has a two-line text.
QByteArray threeTopicPool()
{
    return BuildPoolFile(PoolKind::Issue,
                         {topic(1, QStringLiteral("First topic."), 1),
                          topic(2, QStringLiteral("Second topic,\r\nsecond line."), 2),
                          topic(3, QStringLiteral("Third topic."), 3)},
                         CodePage::Windows1252);
}

void setInt16(QByteArray &file, qsizetype offset, std::int16_t value)
{
    qToLittleEndian<std::int16_t>(value, file.data() + offset);
}

} // namespace

class TopicSourceTest : public QObject
{
    Q_OBJECT

private slots:
    // A source in the written form reads back to the same topics and writes back to the same text.
    void sourceRoundTrip_data()
    {
        QTest::addColumn<PoolKind>("kind");
        QTest::addColumn<CodePage>("page");
        QTest::addColumn<QString>("source");
        QTest::newRow("issue") << PoolKind::Issue << CodePage::Windows1252
                               << QStringLiteral(
                                      "== 1 sort 3\nArt matters.\n\n== 2 sort -9\nSecond.\n\n== 3 sort 99\nThird. \n");
        QTest::newRow("argument with a memo heading")
            << PoolKind::Argument << CodePage::Windows1252
            << QStringLiteral("== 1\nTo: the council\nFrom: the mayor\nWe should build it.\n\n== 2\nOne line.\n");
        QTest::newRow("Windows-1252 beyond ASCII")
            << PoolKind::Issue << CodePage::Windows1252
            << QStringLiteral("== 1 sort 5\nCaf\u00e9 \u201cquotes\u201d \u2014 and \u20ac5.\n");
        QTest::newRow("Chinese in GBK") << PoolKind::Issue << CodePage::Gbk
                                        << QStringLiteral("== 1 sort 2\n\u6559\u80b2\u662f\u4ec0\u4e48\uff1f\n");
    }
    void sourceRoundTrip()
    {
        QFETCH(PoolKind, kind);
        QFETCH(CodePage, page);
        QFETCH(QString, source);
        const ParsedTopicSource parsed = ParseTopicSource(kind, source.toUtf8(), page);
        QCOMPARE(parsed.problems, QList<SourceProblem>{});
        QCOMPARE(QString::fromUtf8(WriteTopicSource(kind, parsed.topics)), source);
    }

    void textLinesAreJoinedByCrLfAndCommentsSkipped()
    {
        const QByteArray source = "# comment\n# more\n\n== 1\r\nLine one\r\nLine two\r\n\r\n\r\n== 2\nLast";
        const ParsedTopicSource parsed = ParseTopicSource(PoolKind::Argument, source, CodePage::Windows1252);
        QCOMPARE(parsed.problems, QList<SourceProblem>{});
        QCOMPARE(parsed.topics, (QList<TopicRecord>{topic(1, QStringLiteral("Line one\r\nLine two")),
                                                    topic(2, QStringLiteral("Last"))}));
    }

    void textsAtTheByteLimitFit_data()
    {
        QTest::addColumn<PoolKind>("kind");
        QTest::addColumn<CodePage>("page");
        QTest::addColumn<QString>("text");
        QTest::newRow("issue 402 bytes") << PoolKind::Issue << CodePage::Windows1252 << QString(402, u'a');
        QTest::newRow("argument 994 bytes, a line break counts 2")
            << PoolKind::Argument << CodePage::Windows1252
            << QString(500, u'a') + QStringLiteral("\n") + QString(492, u'b');
        QTest::newRow("issue 201 Chinese characters in GBK")
            << PoolKind::Issue << CodePage::Gbk << QString(201, QChar(0x4E2D));
    }
    void textsAtTheByteLimitFit()
    {
        QFETCH(PoolKind, kind);
        QFETCH(CodePage, page);
        QFETCH(QString, text);
        const QString header = kind == PoolKind::Issue ? QStringLiteral("== 1 sort 1\n") : QStringLiteral("== 1\n");
        const ParsedTopicSource parsed = ParseTopicSource(kind, (header + text + u'\n').toUtf8(), page);
        QCOMPARE(parsed.problems, QList<SourceProblem>{});
        QCOMPARE(EncodeText(parsed.topics.value(0).Text, page).size(), MaxTextBytes(kind));
    }

    // Each fault is reported at the header of its topic (or at the line itself before the first header),
    // and a source with any fault yields no topics.
    void faultsAreRefusedWithTheirLine_data()
    {
        QTest::addColumn<PoolKind>("kind");
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("message");
        const PoolKind issue = PoolKind::Issue;
        const PoolKind argument = PoolKind::Argument;
        const QString two = QStringLiteral("# two good topics\n\n== 1 sort 1\nOne.\n\n== 2 sort 2\nTwo.\n\n");
        QTest::newRow("issue text of 403 bytes")
            << issue << two + QStringLiteral("== 3 sort 1\n") + QString(403, u'x') << 9
            << "topic 3 is 403 bytes long in Windows-1252, over the limit of 402";
        QTest::newRow("argument text of 995 bytes")
            << argument << QStringLiteral("== 1\n") + QString(995, u'x') << 1 << "over the limit of 994";
        QTest::newRow("character Windows-1252 lacks")
            << issue << two + QStringLiteral("== 3 sort 1\nA \u4e2d here.\n") << 9
            << "topic 3 has the character '\u4e2d' (U+4E2D), which Windows-1252 lacks";
        QTest::newRow("header without a space")
            << issue << two + QStringLiteral("==3 sort 1\nx\n") << 9 << "malformed header '==3 sort 1'";
        QTest::newRow("header with a word for the number")
            << argument << QStringLiteral("== one\nx\n") << 1 << "malformed header";
        QTest::newRow("sort without a value") << issue << QStringLiteral("== 1 sort\nx\n") << 1 << "malformed header";
        QTest::newRow("number skipped") << issue << two + QStringLiteral("== 4 sort 1\nx\n") << 9
                                        << "topic number 4 where 3 was expected";
        QTest::newRow("numbers not from 1")
            << argument << QStringLiteral("== 2\nx\n") << 1 << "topic number 2 where 1 was expected";
        QTest::newRow("number repeated") << issue << two + QStringLiteral("== 2 sort 1\nx\n") << 9
                                         << "topic number 2 where 3 was expected";
        QTest::newRow("sort 100") << issue << QStringLiteral("== 1 sort 100\nx\n") << 1
                                  << "topic 1 has sort 100, outside -9..99";
        QTest::newRow("sort -10") << issue << QStringLiteral("== 1 sort -10\nx\n") << 1 << "outside -9..99";
        QTest::newRow("issue without sort") << issue << two + QStringLiteral("== 3\nx\n") << 9 << "topic 3 has no sort";
        QTest::newRow("argument with sort")
            << argument << QStringLiteral("== 1 sort 4\nx\n") << 1 << "topic 1 has a sort";
        QTest::newRow("blank line inside") << issue << two + QStringLiteral("== 3 sort 1\nOne part.\n\nAnother.\n") << 9
                                           << "topic 3 has a blank line inside it (line 11)";
        QTest::newRow("carriage return inside a line")
            << argument << QStringLiteral("== 1\nOne\rtwo\n") << 1 << "carriage return inside line 2";
        QTest::newRow("blank line after the header")
            << argument << QStringLiteral("== 1\n\nText.\n") << 1 << "blank line inside it (line 2)";
        QTest::newRow("no text") << issue << two + QStringLiteral("== 3 sort 1\n\n") << 9 << "topic 3 has no text";
        QTest::newRow("text before the first header")
            << argument << QStringLiteral("# fine\nstray\n== 1\nx\n") << 2 << "text before the first topic header";
        QTest::newRow("no topics") << issue << QStringLiteral("# only comments\n") << 0 << "the source holds no topics";
    }
    void faultsAreRefusedWithTheirLine()
    {
        QFETCH(PoolKind, kind);
        QFETCH(QString, source);
        QFETCH(int, line);
        QFETCH(QString, message);
        const ParsedTopicSource parsed = ParseTopicSource(kind, source.toUtf8(), CodePage::Windows1252);
        QCOMPARE(parsed.problems.size(), 1);
        QCOMPARE(parsed.problems.first().line, line);
        QVERIFY2(parsed.problems.first().message.contains(message), qPrintable(parsed.problems.first().message));
        QVERIFY(parsed.topics.isEmpty());
    }

    void invalidUtf8IsReportedAtItsLine()
    {
        const ParsedTopicSource parsed =
            ParseTopicSource(PoolKind::Argument, "== 1\nGood line\nBad \xff line\n", CodePage::Windows1252);
        QCOMPARE(parsed.problems, (QList<SourceProblem>{{3, QStringLiteral("the line is not valid UTF-8")}}));
    }

    // Arbitrary damage to a source never crashes the reader, and whatever it accepts fits the pool and
    // writes back to a source that reads the same.
    void damagedSourcesAreReadSafely()
    {
        const QByteArray good =
            "# c\n\n== 1 sort 1\nOne \xc3\xa9.\n\n== 2 sort 12\nTwo,\nlines.\n\n== 3 sort -3\nThree.\n";
        QRandomGenerator random(20240611);
        const QByteArray alphabet = QByteArray("=# \n\r-0123456789sortx\xc3\xa9\xe4\xb8\xad\xff", 27);
        for (int round = 0; round < 3000; ++round) {
            QByteArray source = good;
            const int edits = 1 + random.bounded(4);
            for (int e = 0; e < edits; ++e) {
                const int at = random.bounded(static_cast<int>(source.size()) + 1);
                switch (random.bounded(3)) {
                case 0:
                    source.insert(at, alphabet.at(random.bounded(static_cast<int>(alphabet.size()))));
                    break;
                case 1:
                    source.remove(at, 1 + random.bounded(3));
                    break;
                default:
                    if (at < source.size())
                        source[at] = alphabet.at(random.bounded(static_cast<int>(alphabet.size())));
                }
            }
            for (const CodePage page : {CodePage::Windows1252, CodePage::Gbk}) {
                const ParsedTopicSource parsed = ParseTopicSource(PoolKind::Issue, source, page);
                if (!parsed.problems.isEmpty()) {
                    QVERIFY(parsed.topics.isEmpty());
                    continue;
                }
                for (const TopicRecord &t : parsed.topics) {
                    QVERIFY(CanEncode(t.Text, page));
                    QVERIFY(EncodeText(t.Text, page).size() <= MaxTextBytes(PoolKind::Issue));
                    QVERIFY2(!SourceTextProblem(t.Text), source.constData());
                }
                const ParsedTopicSource again =
                    ParseTopicSource(PoolKind::Issue, WriteTopicSource(PoolKind::Issue, parsed.topics), page);
                QCOMPARE(again.topics, parsed.topics);
            }
        }
    }

    void checkNamesEachDamagedRecord_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("record");
        QTest::addColumn<QString>("message");
        const QByteArray pool = threeTopicPool();
        QByteArray notInUse = pool;
        setInt16(notInUse, 410 + 4 + 27 + 2, 0); // record 2: InUse after its 27-byte text and Sort
        QTest::newRow("InUse 0") << notInUse << 2 << "InUse is 0, not -1";
        QByteArray wrongNumber = pool;
        setInt16(wrongNumber, 820, 7);
        QTest::newRow("Number 7 in record 3") << wrongNumber << 3 << "Number is 7, not the record number 3";
        QByteArray tooLong = pool;
        setInt16(tooLong, 410 + 2, 403);
        QTest::newRow("length past the record")
            << tooLong << 2 << "text length 403 runs past the end of the record (at most 402)";
        QByteArray undecodable = pool;
        undecodable[4 + 3] = '\x81'; // a byte Windows-1252 does not define
        QTest::newRow("undecodable text") << undecodable << 1 << "text has bytes that Windows-1252 does not define";
        QTest::newRow("last record cut short")
            << pool.left(3 * 410 - 10) << 3 << "cut short: the file ends 400 bytes into this record of 410";
        QTest::newRow("a stray byte after the last record")
            << pool + "x" << 4 << "cut short: the file ends 1 bytes into this record";
    }
    void checkNamesEachDamagedRecord()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, record);
        QFETCH(QString, message);
        const QList<PoolProblem> problems = CheckPoolFile(PoolKind::Issue, file, CodePage::Windows1252);
        QCOMPARE(problems.size(), 1);
        QCOMPARE(problems.first().record, record);
        QVERIFY2(problems.first().message.contains(message), qPrintable(problems.first().message));
    }

    void checkFindsNothingInASoundPool()
    {
        QByteArray pool = threeTopicPool();
        pool[200] = '\x81'; // bytes after InUse hold no data
        QCOMPARE(CheckPoolFile(PoolKind::Issue, pool, CodePage::Windows1252), QList<PoolProblem>{});
        QCOMPARE(CheckPoolFile(PoolKind::Issue, QByteArray(), CodePage::Windows1252), QList<PoolProblem>{});
    }

    void checkFindsAHalfDoubleByteCharacter()
    {
        QByteArray pool = BuildPoolFile(PoolKind::Argument, {topic(1, QString(3, QChar(0x4E2D)))}, CodePage::Gbk);
        setInt16(pool, 2, 5); // the text now ends in the middle of its third character
        setInt16(pool, 4 + 5, -1);
        const QList<PoolProblem> problems = CheckPoolFile(PoolKind::Argument, pool, CodePage::Gbk);
        QCOMPARE(problems, (QList<PoolProblem>{{1, QStringLiteral("text has bytes that GBK (936) does not define")}}));
    }

    void exportNamesWhatASourceCannotHold_data()
    {
        QTest::addColumn<TopicRecord>("record");
        QTest::addColumn<QString>("message");
        TopicRecord wrongNumber = topic(9, QStringLiteral("Fine text."), 1);
        QTest::newRow("Number other than the record") << wrongNumber << "Number is 9; the source numbers it 1";
        QTest::newRow("blank line") << topic(1, QStringLiteral("One.\r\n\r\nTwo."), 1) << "its text has a blank line";
        QTest::newRow("trailing line break") << topic(1, QStringLiteral("One.\r\n"), 1) << "its text has a blank line";
        QTest::newRow("line like a header") << topic(1, QStringLiteral("One.\r\n== 2 sort 1"), 1) << "starts with '=='";
        QTest::newRow("bare line feed") << topic(1, QStringLiteral("One.\nTwo."), 1) << "line break other than CR LF";
        QTest::newRow("no text") << topic(1, QString(), 1) << "it has no text";
        QTest::newRow("sort 300") << topic(1, QStringLiteral("Fine."), 300) << "sort 300 is outside -9..99";
    }
    void exportNamesWhatASourceCannotHold()
    {
        QFETCH(TopicRecord, record);
        QFETCH(QString, message);
        QByteArray file = EncodeRecord(PoolKind::Issue, record, CodePage::Windows1252);
        const QList<PoolProblem> problems = SourceExportProblems(PoolKind::Issue, file, CodePage::Windows1252);
        QCOMPARE(problems.size(), 1);
        QCOMPARE(problems.first().record, 1);
        QVERIFY2(problems.first().message.contains(message), qPrintable(problems.first().message));
    }

    void exportNamesUndefinedBytesAndStopsAtTheEnd()
    {
        QByteArray pool = threeTopicPool();
        pool[410 + 4] = '\x8d';
        setInt16(pool, 820 + 4 + 12 + 2, 0); // record 3 ends the enumeration
        QCOMPARE(ReadPoolTopics(PoolKind::Issue, pool, CodePage::Windows1252).size(), 2);
        const QList<PoolProblem> problems = SourceExportProblems(PoolKind::Issue, pool, CodePage::Windows1252);
        QCOMPARE(problems.size(), 1);
        QCOMPARE(problems.first().record, 2);
        QVERIFY(problems.first().message.contains(QStringLiteral("exported as '?'")));
        QCOMPARE(SourceExportProblems(PoolKind::Issue, threeTopicPool(), CodePage::Windows1252), QList<PoolProblem>{});
    }
};

QTEST_GUILESS_MAIN(TopicSourceTest)
#include "tst_topic_source.moc"
