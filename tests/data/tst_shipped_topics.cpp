// The pools shipped in the program folder, as the build makes them from resources/topics.

#include "data/pool_file.h"
#include "data/topic_pool.h"

#include <QFile>
#include <QTest>

#include <algorithm>

using namespace ixo;

Q_DECLARE_METATYPE(ixo::PoolKind)

class ShippedTopicsTest : public QObject
{
    Q_OBJECT

    static QByteArray shipped(PoolKind kind)
    {
        QFile file(QStringLiteral(IXO_PROGRAM_DATA_DIR "/") + PoolFileName(kind));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void poolsHoldEveryTopicATestDraws_data()
    {
        QTest::addColumn<PoolKind>("kind");
        QTest::addColumn<int>("topics");
        QTest::newRow("issue") << PoolKind::Issue << IssuePoolSize;
        QTest::newRow("argument") << PoolKind::Argument << ArgumentPoolSize;
    }
    void poolsHoldEveryTopicATestDraws()
    {
        QFETCH(PoolKind, kind);
        QFETCH(int, topics);
        const QByteArray file = shipped(kind);
        QCOMPARE(file.size(), qsizetype(topics) * RecordLength(kind));
        // Every record in use, numbered as its record, its length within the record, its text Windows-1252.
        QCOMPARE(CheckPoolFile(kind, file, CodePage::Windows1252), QList<PoolProblem>{});
        const QList<TopicRecord> records = ReadPoolTopics(kind, file, CodePage::Windows1252);
        QCOMPARE(records.size(), topics);
        for (const TopicRecord &record : records) {
            QVERIFY2(!record.Text.trimmed().isEmpty(), qPrintable(QString::number(record.Number)));
            if (kind == PoolKind::Issue)
                QVERIFY2(record.Sort >= 1 && record.Sort <= 10, qPrintable(QString::number(record.Number)));
        }
    }

    // Argument topics 149 and 180 always get the long layout of the writing screen; they are among the
    // longest of the pool.
    void argumentTopics149And180AreAmongTheLongest()
    {
        const QList<TopicRecord> records =
            ReadPoolTopics(PoolKind::Argument, shipped(PoolKind::Argument), CodePage::Windows1252);
        QCOMPARE(records.size(), ArgumentPoolSize);
        QList<qsizetype> lengths;
        for (const TopicRecord &record : records)
            lengths << record.Text.size();
        std::sort(lengths.begin(), lengths.end(), std::greater<>());
        const qsizetype tenthLongest = lengths.at(9);
        QVERIFY2(records.at(148).Text.size() >= tenthLongest, qPrintable(QString::number(records.at(148).Text.size())));
        QVERIFY2(records.at(179).Text.size() >= tenthLongest, qPrintable(QString::number(records.at(179).Text.size())));
    }
};

QTEST_GUILESS_MAIN(ShippedTopicsTest)
#include "tst_shipped_topics.moc"
