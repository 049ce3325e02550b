#include "data/atomic_file.h"
#include "data/settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace ixo;

Q_DECLARE_METATYPE(ixo::SettingsRecord)

class SettingsFileTest : public QObject
{
    Q_OBJECT

private slots:
    void layoutIsLittleEndianInFieldOrder()
    {
        SettingsRecord r;
        r.Language = 1;
        r.IssueRandom = -1;
        r.IssueMinutes = 45;
        r.ArgumentMinutes = 300;
        r.SafeMode = -1;
        r.ShowWordsAuto = -1;
        const QByteArray expected = QByteArray::fromHex("0100" "0000" "ffff" "0000" "2d00" "2c01" "0000"
                                                        "0000" "0000" "0000" "0000" "0000" "0000" "ffff" "ffff");
        QCOMPARE(r.toBytes(), expected);
        QCOMPARE(SettingsRecord::fromBytes(expected), r);
    }

    void shortAndLongFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<SettingsRecord>("expected");
        SettingsRecord tenBytes;
        tenBytes.Language = 1;
        tenBytes.Spare = 7;
        tenBytes.IssueRandom = -1;
        tenBytes.ArgumentRandom = -1;
        tenBytes.IssueMinutes = 60;
        QTest::newRow("empty file") << QByteArray() << SettingsRecord{};
        QTest::newRow("10 bytes: the rest is zero")
            << QByteArray::fromHex("01000700ffffffff3c00") << tenBytes;
        SettingsRecord full = tenBytes;
        full.ShowWordsAuto = -1;
        QByteArray forty = full.toBytes() + QByteArray(10, '\x55');
        QTest::newRow("40 bytes: the tail is ignored") << forty << full;
    }
    void shortAndLongFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(SettingsRecord, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("conf.dat"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        QCOMPARE(ReadSettingsFile(path), expected);
    }

    void missingFileReadsAsZeros()
    {
        QTemporaryDir dir;
        QCOMPARE(ReadSettingsFile(dir.filePath(QStringLiteral("none.dat"))), SettingsRecord{});
    }

    void writeKeepsBytesAfterTheRecord()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("conf.dat"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(30, '\0') + QByteArray("tail-bytes"));
        f.close();
        SettingsRecord r;
        r.IssueMinutes = 45;
        QVERIFY(!WriteSettingsFile(path, r));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), r.toBytes() + QByteArray("tail-bytes"));
    }

    void failedWriteKeepsOldFileAndSaysWhy()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("conf.dat"));
        SettingsRecord old;
        old.Language = 1;
        QVERIFY(!WriteSettingsFile(path, old));
        FailNextAtomicWritesForTesting(1);
        SettingsRecord changed;
        changed.IssueMinutes = 99;
        const auto error = WriteSettingsFile(path, changed);
        QVERIFY(error.has_value());
        QVERIFY(!error->isEmpty());
        QCOMPARE(ReadSettingsFile(path), old);
    }

    void writeIntoMissingFolderFails()
    {
        QTemporaryDir dir;
        QVERIFY(WriteSettingsFile(dir.filePath(QStringLiteral("no/such/conf.dat")), SettingsRecord{}).has_value());
    }
};

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "tst_settings_file.moc"
