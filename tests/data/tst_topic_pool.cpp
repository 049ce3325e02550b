#include "data/topic_pool.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace ixo;

namespace {

TopicRecord topic(int n, const QString &text, int sort = 0)
{
    return {static_cast<std::int16_t>(n), text, static_cast<std::int16_t>(sort), RecordInUse};
}

std::int16_t int16At(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<std::int16_t>(bytes.constData() + offset);
}

} // namespace

class TopicPoolTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const char *name) { return dir.filePath(QString::fromLatin1(name)); }

private slots:
    void fullIssueTextPutsSortAndInUseAtTheEnd()
    {
        const QByteArray bytes = EncodeRecord(PoolKind::Issue, topic(3, QString(402, u'a'), 7), CodePage::Windows1252);
        QCOMPARE(bytes.size(), 410);
        QCOMPARE(int16At(bytes, 0), std::int16_t(3));
        QCOMPARE(qFromLittleEndian<std::uint16_t>(bytes.constData() + 2), std::uint16_t(402));
        QCOMPARE(int16At(bytes, 406), std::int16_t(7));
        QCOMPARE(int16At(bytes, 408), std::int16_t(-1));
    }

    void emptyTextPutsFieldsRightAfterTheLength_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("head");
        QTest::newRow("issue") << int(PoolKind::Issue) << QByteArray::fromHex("0500" "0000" "0900" "ffff");
        QTest::newRow("argument") << int(PoolKind::Argument) << QByteArray::fromHex("0500" "0000" "ffff");
    }
    void emptyTextPutsFieldsRightAfterTheLength()
    {
        QFETCH(int, kind);
        QFETCH(QByteArray, head);
        const QByteArray bytes = EncodeRecord(PoolKind(kind), topic(5, {}, 9), CodePage::Windows1252);
        QCOMPARE(bytes.left(head.size()), head);
    }

    void roundTripThroughTheFile()
    {
        TopicPool pool(PoolKind::Argument);
        QVERIFY(pool.open(path("argue.dat"), CodePage::Windows1252));
        const TopicRecord t = topic(2, QStringLiteral("Caf\u00e9 owners \"say\" so.\r\nSecond line"));
        QVERIFY(!pool.write(2, t));
        QCOMPARE(pool.read(2), t);
        QCOMPARE(QFile(path("argue.dat")).size(), 2000);
        // Record 1 was never written: it reads as an empty record, not in use.
        QCOMPARE(pool.read(1), TopicRecord{});
    }

    void shorterTextOverLongerReadsTheNewTextOnly()
    {
        TopicPool pool(PoolKind::Issue);
        QVERIFY(pool.open(path("issue-short.dat"), CodePage::Windows1252));
        QVERIFY(!pool.write(1, topic(1, QString(300, u'x'), 4)));
        QVERIFY(!pool.write(1, topic(1, QStringLiteral("short"), 5)));
        QCOMPARE(pool.read(1), topic(1, QStringLiteral("short"), 5));
    }

    void enumerationStopsAtFirstRecordNotInUse()
    {
        TopicPool pool(PoolKind::Issue);
        QVERIFY(pool.open(path("issue-enum.dat"), CodePage::Windows1252));
        for (int n = 1; n <= 5; ++n)
            QVERIFY(!pool.write(n, topic(n, QStringLiteral("topic %1").arg(n))));
        QList<int> seen;
        pool.enumerate([&](int n, const TopicRecord &) { seen << n; });
        QCOMPARE(seen, (QList<int>{1, 2, 3, 4, 5})); // stops at the end of the file

        TopicRecord hidden = topic(3, QStringLiteral("hidden"));
        hidden.InUse = 0;
        QVERIFY(!pool.write(3, hidden));
        seen.clear();
        pool.enumerate([&](int n, const TopicRecord &) { seen << n; });
        QCOMPARE(seen, (QList<int>{1, 2}));
        QCOMPARE(pool.read(4).Text, QStringLiteral("topic 4")); // still readable by number
    }

    void corruptLengthIsClippedToTheRecord_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("length");
        QTest::newRow("issue 0xFFFF") << int(PoolKind::Issue) << 0xFFFF;
        QTest::newRow("issue 407") << int(PoolKind::Issue) << 407;
        QTest::newRow("argument 0xFFFF") << int(PoolKind::Argument) << 0xFFFF;
    }
    void corruptLengthIsClippedToTheRecord()
    {
        QFETCH(int, kind);
        QFETCH(int, length);
        const int recordLength = RecordLength(PoolKind(kind));
        QByteArray bytes(recordLength, 'z');
        qToLittleEndian<std::int16_t>(1, bytes.data());
        qToLittleEndian<std::uint16_t>(static_cast<std::uint16_t>(length), bytes.data() + 2);
        const TopicRecord r = DecodeRecord(PoolKind(kind), bytes, CodePage::Windows1252);
        QCOMPARE(r.Text.size(), recordLength - 4);
        QCOMPARE(r.InUse, std::int16_t(0)); // InUse would lie outside the record: not a topic
    }

    void closedPoolReadsEmptyAndRefusesWrites()
    {
        TopicPool pool(PoolKind::Issue);
        QCOMPARE(pool.read(1), TopicRecord{});
        QVERIFY(pool.write(1, topic(1, QStringLiteral("x"))).has_value());
        QVERIFY(pool.open(path("issue-zero.dat"), CodePage::Windows1252));
        QVERIFY(pool.write(0, topic(0, QStringLiteral("x"))).has_value());
    }

    void chineseTextsInGbk()
    {
        TopicPool pool(PoolKind::Issue);
        QVERIFY(pool.open(path("issue-gbk.dat"), CodePage::Gbk));
        const TopicRecord t = topic(1, QString(201, QChar(0x4E2D)), 2);
        QCOMPARE(EncodeText(t.Text, CodePage::Gbk).size(), 402);
        QVERIFY(!pool.write(1, t));
        QCOMPARE(pool.read(1), t);
    }
};

QTEST_GUILESS_MAIN(TopicPoolTest)
#include "tst_topic_pool.moc"
