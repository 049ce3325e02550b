// The Issue autosave when the program is killed at any moment: a driver runs the real writing screen with
// Safe Mode on and its clock driven far faster than real time, so that autosaves of a growing essay come one
// after another; the test kills it with SIGKILL after a random time, again and again, and each time checks
// that review/autosave1.txt is either absent or a whole autosave (never empty, never cut) and that nothing
// but the save's own temporary file is left beside it.
//
// Environment: IXO_CRASH_KILLS (default 250) and IXO_CRASH_SEED (default: drawn, and printed) repeat a run.
#include "autosave_essay.h"
#include "data/code_page.h"
#include "data/topic_pool.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <optional>

using namespace ixo;

namespace {

const QString AutosaveName = QStringLiteral("autosave1.txt");
const QString TemporaryName = AutosaveName + QStringLiteral(".saving");
constexpr int WaitMs = 60000;

// A program folder for one run of the driver: data/ with small pools, review/ empty.
bool makeProgramFolder(const QString &path)
{
    if (!QDir(path).mkpath(QStringLiteral("data")) || !QDir(path).mkpath(QStringLiteral("review")))
        return false;
    for (const PoolKind kind : {PoolKind::Issue, PoolKind::Argument}) {
        QByteArray bytes;
        for (int n = 1; n <= 3; ++n) {
            const QString text = n == crashtest::TopicNo && kind == PoolKind::Issue
                                     ? crashtest::TopicText
                                     : QStringLiteral("Topic %1.").arg(n);
            bytes += EncodeRecord(kind, TopicRecord{std::int16_t(n), text, 0, RecordInUse}, CodePage::Windows1252);
        }
        QFile file(QDir(path).filePath(kind == PoolKind::Issue ? QStringLiteral("data/issue.dat")
                                                               : QStringLiteral("data/argue.dat")));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return false;
    }
    return true;
}

// The known essay as it appears in the file (UTF-8, CR LF), and where each of its pieces ends.
class KnownEssay
{
public:
    // How many whole pieces `essay` holds when it is the known essay cut after a piece; nothing otherwise.
    std::optional<int> wholePieces(const QByteArray &essay)
    {
        while (m_bytes.size() < essay.size()) {
            m_bytes +=
                crashtest::EssayPiece(int(m_ends.size())).replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toUtf8();
            m_ends.append(m_bytes.size());
        }
        if (!m_bytes.startsWith(essay))
            return std::nullopt;
        const qsizetype at = m_ends.indexOf(essay.size());
        if (at < 0)
            return std::nullopt;
        return int(at) + 1;
    }

private:
    QByteArray m_bytes;
    QList<qsizetype> m_ends;
};

struct Verdict
{
    QString fault; // empty when the file is a whole autosave
    int pieces = 0;
};

// An autosave is the header line "ISSUE<n> - <topic>", an empty line, the essay (the known essay up to a whole
// piece, at least one), an empty line, and the date line "(<date and time>)", all UTF-8 with CR LF.
Verdict checkAutosave(const QByteArray &bytes, KnownEssay &known)
{
    if (bytes.isEmpty())
        return {QStringLiteral("the file is empty")};
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    (void)QString(utf8(bytes));
    if (utf8.hasError())
        return {QStringLiteral("the file is not valid UTF-8")};
    const QByteArray header =
        QStringLiteral("ISSUE%1 - %2\r\n\r\n").arg(crashtest::TopicNo).arg(crashtest::TopicText).toUtf8();
    if (!bytes.startsWith(header))
        return {
            QStringLiteral("the header line is not \"ISSUE%1 - <topic>\" and an empty line").arg(crashtest::TopicNo)};
    if (!bytes.endsWith(")\r\n"))
        return {QStringLiteral("the file does not end with the date line: it is cut")};
    const qsizetype dateStart = bytes.lastIndexOf("\r\n\r\n(");
    if (dateStart < header.size() - 4)
        return {QStringLiteral("no empty line and date line after the essay")};
    const QByteArray date = bytes.mid(dateStart + 5, bytes.size() - dateStart - 5 - 3);
    if (date.isEmpty() || date.contains('\r') || date.contains('\n') || date.contains('(') ||
        std::none_of(date.begin(), date.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return {QStringLiteral("the date line \"(%1)\" is not a date and time").arg(QString::fromUtf8(date))};
    if (dateStart < header.size())
        return {QStringLiteral("the essay is empty")};
    const QByteArray essay = bytes.mid(header.size(), dateStart - header.size());
    const std::optional<int> pieces = known.wholePieces(essay);
    if (!pieces)
        return {QStringLiteral("the essay (%1 bytes) is not the typed essay up to a whole piece").arg(essay.size())};
    return {{}, *pieces};
}

// What the driver may leave in review/: the autosave and the save's own temporary file.
QStringList strayFiles(const QString &reviewFolder)
{
    QStringList stray =
        QDir(reviewFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    stray.removeAll(AutosaveName);
    stray.removeAll(TemporaryName);
    return stray;
}

QString driverPath()
{
    return QStringLiteral(IXO_AUTOSAVE_DRIVER);
}

QProcessEnvironment driverEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

QString excerpt(const QByteArray &bytes)
{
    const QByteArray tail = bytes.size() > 120 ? bytes.right(120) : bytes;
    return QStringLiteral("%1 bytes, ending \"%2\"")
        .arg(bytes.size())
        .arg(QString::fromLatin1(tail.toPercentEncoding(" ")));
}

} // namespace

class AutosaveCrashTest : public QObject
{
    Q_OBJECT

    // Time from the driver's start to its first autosave, measured by the whole run.
    qint64 m_startupMs = 0;

private slots:
    // A run that is not killed writes every piece: proves the driver and the check agree before any kill.
    void wholeRunSavesEveryPiece()
    {
        QTemporaryDir folder;
        QVERIFY(makeProgramFolder(folder.path()));
        constexpr int Saves = 3 * crashtest::SectionMinutes + 2; // three sections run out on the way
        QProcess driver;
        driver.setProcessEnvironment(driverEnvironment());
        QElapsedTimer clock;
        clock.start();
        driver.start(driverPath(), {folder.path(), QString::number(Saves)});
        QVERIFY2(driver.waitForStarted(WaitMs), qPrintable(driver.errorString()));
        while (!driver.canReadLine() && driver.state() == QProcess::Running)
            driver.waitForReadyRead(WaitMs);
        m_startupMs = clock.elapsed();
        QVERIFY(driver.waitForFinished(WaitMs));
        QVERIFY2(driver.exitStatus() == QProcess::NormalExit && driver.exitCode() == 0,
                 driver.readAllStandardError().constData());
        QCOMPARE(driver.readAllStandardOutput(), QByteArray("saving\n"));

        QFile file(QDir(folder.path()).filePath(QStringLiteral("review/") + AutosaveName));
        QVERIFY(file.open(QIODevice::ReadOnly));
        KnownEssay known;
        const Verdict verdict = checkAutosave(file.readAll(), known);
        QVERIFY2(verdict.fault.isEmpty(), qPrintable(verdict.fault));
        QCOMPARE(verdict.pieces, Saves);
        QCOMPARE(strayFiles(QDir(folder.path()).filePath(QStringLiteral("review"))), QStringList());
        QVERIFY(!QFile::exists(QDir(folder.path()).filePath(QStringLiteral("review/") + TemporaryName)));
    }

    void killedAtRandomMomentsLeavesNoBrokenAutosave()
    {
        QVERIFY2(m_startupMs > 0, "the whole run must pass first");
        const int kills =
            qEnvironmentVariableIsSet("IXO_CRASH_KILLS") ? qEnvironmentVariableIntValue("IXO_CRASH_KILLS") : 250;
        const quint32 seed = qEnvironmentVariableIsSet("IXO_CRASH_SEED")
                                 ? quint32(qEnvironmentVariableIntValue("IXO_CRASH_SEED"))
                                 : QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        // A few kills during start-up, most while the autosaves come one after another.
        const int longestDelayMs = int(m_startupMs) + 400;
        qInfo("seed %u, %d kills after 2 to %d ms (first autosave after about %lld ms)", seed, kills, longestDelayMs,
              m_startupMs);

        int wellFormed = 0, absent = 0, temporaryLeft = 0, fewestPieces = 0, mostPieces = 0;
        QElapsedTimer clock;
        clock.start();
        KnownEssay known;
        for (int kill = 1; kill <= kills; ++kill) {
            QTemporaryDir folder;
            QVERIFY(makeProgramFolder(folder.path()));
            const QString review = QDir(folder.path()).filePath(QStringLiteral("review"));
            const int delayMs = random.bounded(2, longestDelayMs + 1);

            QProcess driver;
            driver.setProcessEnvironment(driverEnvironment());
            driver.setStandardOutputFile(QProcess::nullDevice());
            driver.start(driverPath(), {folder.path()});
            QVERIFY2(driver.waitForStarted(WaitMs), qPrintable(driver.errorString()));
            QThread::msleep(delayMs);
            QVERIFY2(driver.state() == QProcess::Running,
                     qPrintable(QStringLiteral("kill %1: the driver ended by itself before the kill: %2")
                                    .arg(kill)
                                    .arg(QString::fromLocal8Bit(driver.readAllStandardError()))));
            driver.kill(); // SIGKILL
            QVERIFY(driver.waitForFinished(WaitMs));
            QCOMPARE(driver.exitStatus(), QProcess::CrashExit);

            const QString where = QStringLiteral("kill %1 after %2 ms (seed %3): ").arg(kill).arg(delayMs).arg(seed);
            const QStringList stray = strayFiles(review);
            QVERIFY2(stray.isEmpty(), qPrintable(where + QStringLiteral("stray files left: ") + stray.join(u", ")));
            if (QFile::exists(QDir(review).filePath(TemporaryName)))
                ++temporaryLeft;
            QFile file(QDir(review).filePath(AutosaveName));
            if (!file.exists()) {
                ++absent;
                continue;
            }
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(where + file.errorString()));
            const QByteArray bytes = file.readAll();
            const Verdict verdict = checkAutosave(bytes, known);
            QVERIFY2(verdict.fault.isEmpty(),
                     qPrintable(where + verdict.fault + QStringLiteral(" (") + excerpt(bytes) + QLatin1Char(')')));
            ++wellFormed;
            fewestPieces = fewestPieces == 0 ? verdict.pieces : std::min(fewestPieces, verdict.pieces);
            mostPieces = std::max(mostPieces, verdict.pieces);
        }
        qInfo("%d kills in %.1f s: %d autosaves found whole (essays of %d to %d pieces), %d absent; "
              "%d kills left the temporary file of a save in progress",
              kills, clock.elapsed() / 1000.0, wellFormed, fewestPieces, mostPieces, absent, temporaryLeft);
        // The check means something only when most kills land while the autosaves are being written.
        QVERIFY2(wellFormed >= kills / 2, "too few kills landed after the first autosave");
    }
};

QTEST_GUILESS_MAIN(AutosaveCrashTest)
#include "tst_autosave_crash.moc"
