// Runs the built ixo-pool as a user would: exit statuses, messages, files written or left alone.

#include "data/pool_file.h"
#include "data/topic_pool.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace ixo;

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// The bytes of each record that hold data: Number, length, text, Sort (Issue) and InUse.
QList<QByteArray> dataParts(PoolKind kind, const QByteArray &file)
{
    QList<QByteArray> parts;
    const int length = RecordLength(kind);
    for (qsizetype at = 0; at < file.size(); at += length) {
        const QByteArray record = file.mid(at, length);
        const int textLength = qFromLittleEndian<std::uint16_t>(record.constData() + 2);
        parts << record.left(4 + textLength + (kind == PoolKind::Issue ? 4 : 2));
    }
    return parts;
}

} // namespace

class IxoPoolToolTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    QString path(const QString &name) const { return dir.filePath(name); }

    void writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray readFile(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    Run run(const QStringList &arguments)
    {
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.start(QStringLiteral(IXO_POOL_TOOL), arguments);
        if (!process.waitForFinished(60000))
            qFatal("ixo-pool did not finish");
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
                process.readAllStandardError()};
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        writeFile(QStringLiteral("good.txt"), "# fixture\n\n== 1 sort 1\nFirst.\n\n== 2 sort 2\nSecond.\n");
        writeFile(QStringLiteral("long.txt"), "== 1 sort 1\nFine.\n\n== 2 sort 4\n" + QByteArray(403, 'x') + "\n");
        writeFile(QStringLiteral("malformed.txt"), "== 1\nFine.\n\n== 2 sort\nBroken header.\n");
        writeFile(QStringLiteral("folder"), "a regular file where a folder should be");
        QByteArray damaged =
            BuildPoolFile(PoolKind::Issue, {{1, QStringLiteral("One."), 1, -1}, {2, QStringLiteral("Two."), 1, -1}},
                          CodePage::Windows1252);
        qToLittleEndian<std::int16_t>(5, damaged.data() + 410);
        writeFile(QStringLiteral("damaged.dat"), damaged + QByteArray(10, '\0')); // and a cut-short record 3
        writeFile(QStringLiteral("sound.dat"),
                  BuildPoolFile(PoolKind::Argument, {{1, QStringLiteral("One."), 0, -1}}, CodePage::Windows1252));
    }

    void exitStatusAndMessages_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("stderrLine"); // the first line of the standard error, from its start
        QTest::addColumn<QString>("stdoutStart");
        const auto args = [](const char *line) { return QString::fromLatin1(line).split(u' ', Qt::SkipEmptyParts); };
        QTest::newRow("help") << args("--help") << 0 << QString() << "Usage: ixo-pool";
        QTest::newRow("no command") << args("") << 2 << "ixo-pool: no command given" << QString();
        QTest::newRow("unknown command") << args("list issue x.dat") << 2 << "ixo-pool: unknown command 'list'"
                                         << QString();
        QTest::newRow("unknown kind") << args("check essay sound.dat") << 2 << "ixo-pool: unknown pool kind 'essay'"
                                      << QString();
        QTest::newRow("unknown option") << args("--fast check issue sound.dat") << 2
                                        << "ixo-pool: unknown option '--fast'" << QString();
        QTest::newRow("unknown code page")
            << args("--code-page 437 check issue sound.dat") << 2 << "ixo-pool: unknown code page '437'" << QString();
        QTest::newRow("import without the pool")
            << args("import issue good.txt") << 2 << "ixo-pool: import needs a SOURCE and a POOL file" << QString();
        QTest::newRow("missing pool") << args("check issue missing.dat") << 2 << "ixo-pool: cannot open missing.dat"
                                      << QString();
        QTest::newRow("missing source") << args("import issue missing.txt out.dat") << 2
                                        << "ixo-pool: cannot open missing.txt" << QString();
        QTest::newRow("pool that cannot be written") << args("import issue good.txt folder/out.dat") << 2
                                                     << "ixo-pool: cannot write folder/out.dat" << QString();
        QTest::newRow("over-long text")
            << args("import issue long.txt out.dat") << 1
            << "ixo-pool: long.txt:4: topic 2 is 403 bytes long in Windows-1252, over the limit of 402" << QString();
        QTest::newRow("malformed header") << args("import argument malformed.txt out.dat") << 1
                                          << "ixo-pool: malformed.txt:4: malformed header '== 2 sort'" << QString();
        QTest::newRow("import") << args("import issue good.txt fresh.dat") << 0 << QString()
                                << "fresh.dat: 2 topics written";
        QTest::newRow("damage found") << args("check issue damaged.dat") << 1
                                      << "ixo-pool: damaged.dat: record 2: Number is 5, not the record number 2"
                                      << QString();
        QTest::newRow("sound pool, code page option after the command")
            << args("check argument sound.dat --code-page=936") << 0
            << "ixo-pool: sound.dat: note: 1 topics, fewer than the 242 a practice test draws from"
            << "sound.dat: 1 records, no damage found";
        QTest::newRow("export") << args("export argument sound.dat") << 0 << QString() << "== 1\nOne.\n";
        QTest::newRow("export of a pool the source cannot hold")
            << args("export issue damaged.dat") << 1
            << "ixo-pool: damaged.dat: record 2: Number is 5; the source numbers it 2"
            << "== 1 sort 1\n";
    }
    void exitStatusAndMessages()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, stderrLine);
        QFETCH(QString, stdoutStart);
        const Run result = run(arguments);
        QCOMPARE(result.exitCode, exitCode);
        const QString err = QString::fromUtf8(result.err);
        if (stderrLine.isEmpty())
            QCOMPARE(err, QString());
        else
            QVERIFY2(err.section(u'\n', 0, 0).startsWith(stderrLine), qPrintable(err));
        QVERIFY2(QString::fromUtf8(result.out).startsWith(stdoutStart), result.out.constData());
    }

    void refusedImportWritesNothing_data()
    {
        QTest::addColumn<QString>("source");
        QTest::newRow("over-long text") << QStringLiteral("long.txt");
        QTest::newRow("malformed header") << QStringLiteral("malformed.txt");
    }
    void refusedImportWritesNothing()
    {
        QFETCH(QString, source);
        const QByteArray before = readFile(QStringLiteral("sound.dat"));
        QCOMPARE(run({QStringLiteral("import"), QStringLiteral("issue"), source, QStringLiteral("sound.dat")}).exitCode,
                 1);
        QCOMPARE(readFile(QStringLiteral("sound.dat")), before);
        QCOMPARE(run({QStringLiteral("import"), QStringLiteral("issue"), source, QStringLiteral("none.dat")}).exitCode,
                 1);
        QVERIFY(!QFile::exists(path(QStringLiteral("none.dat"))));
    }

    // A pool exported and imported again holds the same data in every record; the bytes after InUse,
    // which hold no data, may differ.
    void exportThenImportKeepsEveryRecordsData_data()
    {
        QTest::addColumn<QString>("codePage");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("1252") << QStringLiteral("1252")
                              << QStringList{QStringLiteral("Caf\u00e9 \u201cnews\u201d \u2014 \u20ac5."),
                                             QStringLiteral("To: staff\r\nFrom: the board\r\nA memo."),
                                             QString(994, u'm')};
        QTest::newRow("936") << QStringLiteral("936")
                             << QStringList{QStringLiteral("\u6559\u80b2\u662f\u4ec0\u4e48\uff1f"),
                                            QString(497, QChar(0x4E2D))};
    }
    void exportThenImportKeepsEveryRecordsData()
    {
        QFETCH(QString, codePage);
        QFETCH(QStringList, texts);
        const CodePage page = codePage == u"936" ? CodePage::Gbk : CodePage::Windows1252;
        QList<TopicRecord> topics;
        for (const QString &text : texts)
            topics.append({0, text, 0, -1});
        QByteArray pool = BuildPoolFile(PoolKind::Argument, topics, page);
        pool[999] = 'z';                // after the last field of record 1: no data
        pool += QByteArray(1000, '\0'); // a record not in use ends the topics
        writeFile(QStringLiteral("round.dat"), pool);

        const Run exported = run({QStringLiteral("--code-page"), codePage, QStringLiteral("export"),
                                  QStringLiteral("argument"), QStringLiteral("round.dat")});
        QCOMPARE(exported.exitCode, 0);
        writeFile(QStringLiteral("round.txt"), exported.out);
        const Run imported =
            run({QStringLiteral("--code-page"), codePage, QStringLiteral("import"), QStringLiteral("argument"),
                 QStringLiteral("round.txt"), QStringLiteral("again.dat")});
        QCOMPARE(imported.exitCode, 0);
        const QByteArray again = readFile(QStringLiteral("again.dat"));
        QCOMPARE(again.size(), texts.size() * 1000);
        QCOMPARE(dataParts(PoolKind::Argument, again), dataParts(PoolKind::Argument, pool.left(again.size())));
    }

    // The shipped sources through the tool: the export of an imported source is the source itself
    // (without its comment lines).
    void importThenExportGivesTheSourceBack_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("source");
        QTest::newRow("issue") << QStringLiteral("issue") << QStringLiteral(IXO_TOPICS_DIR "/issue.txt");
        QTest::newRow("argument") << QStringLiteral("argument") << QStringLiteral(IXO_TOPICS_DIR "/argument.txt");
    }
    void importThenExportGivesTheSourceBack()
    {
        QFETCH(QString, kind);
        QFETCH(QString, source);
        QFile file(source);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QCOMPARE(run({QStringLiteral("import"), kind, source, QStringLiteral("shipped.dat")}).exitCode, 0);
        const Run exported = run({QStringLiteral("export"), kind, QStringLiteral("shipped.dat")});
        QCOMPARE(exported.exitCode, 0);
        QVERIFY(text.startsWith("#"));
        QCOMPARE(exported.out, text.mid(text.indexOf("\n== 1") + 1));
    }
};

QTEST_GUILESS_MAIN(IxoPoolToolTest)
#include "tst_ixo_pool.moc"
