// The display switch on a real X server: Xorg with the dummy video driver, started by this test, which
// offers 640x480 at several rates and switches modes through XRandR like a monitor. A small program of
// ours (display_probe) switches; xrandr reads the mode back.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <signal.h>

namespace {

constexpr int kWaitMs = 20000;

// What xrandr says about the screen and the output in use.
struct ShownMode
{
    QString name;     // of the current mode, as xrandr lists it
    QString rate;     // as xrandr prints it, e.g. "75.00"
    QSize outputSize; // of the output in use
    QSize screenSize;
};

QString describe(const ShownMode &m)
{
    return QStringLiteral("%1 @ %2 (output %3x%4, screen %5x%6)")
        .arg(m.name, m.rate)
        .arg(m.outputSize.width())
        .arg(m.outputSize.height())
        .arg(m.screenSize.width())
        .arg(m.screenSize.height());
}

ShownMode parseXrandr(const QString &text)
{
    ShownMode shown;
    static const QRegularExpression screenLine(QStringLiteral("^Screen 0:.*current (\\d+) x (\\d+),"));
    static const QRegularExpression outputLine(QStringLiteral("^\\S+ connected (?:primary )?(\\d+)x(\\d+)\\+"));
    bool inOutputInUse = false;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (const auto m = screenLine.match(line); m.hasMatch()) {
            shown.screenSize = QSize(m.captured(1).toInt(), m.captured(2).toInt());
        } else if (const auto m = outputLine.match(line); m.hasMatch()) {
            shown.outputSize = QSize(m.captured(1).toInt(), m.captured(2).toInt());
            inOutputInUse = true;
        } else if (!line.startsWith(QLatin1Char(' '))) {
            inOutputInUse = false;
        } else if (inOutputInUse && line.contains(QLatin1Char('*'))) {
            const QStringList tokens = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            shown.name = tokens.value(0);
            for (const QString &token : tokens.mid(1))
                if (token.contains(QLatin1Char('*')))
                    shown.rate = QString(token).remove(QLatin1Char('*')).remove(QLatin1Char('+'));
        }
    }
    return shown;
}

} // namespace

class DisplayXorgTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QProcess m_xorg;
    QProcessEnvironment m_env;
    QProcess *m_probe = nullptr;

    QString xorgLog() const
    {
        QFile log(m_dir.filePath(QStringLiteral("xorg.log")));
        log.open(QIODevice::ReadOnly);
        return QString::fromLocal8Bit(log.readAll().right(3000));
    }

    // Runs xrandr on our server; returns its output (empty on failure, with the reason in `error`).
    QString xrandr(const QStringList &args, QString *error = nullptr)
    {
        QProcess p;
        p.setProcessEnvironment(m_env);
        p.start(QStringLiteral("xrandr"), args);
        if (!p.waitForFinished(kWaitMs) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
            if (error)
                *error = QStringLiteral("xrandr %1 failed: %2")
                             .arg(args.join(QLatin1Char(' ')), QString::fromLocal8Bit(p.readAllStandardError()));
            return {};
        }
        return QString::fromLocal8Bit(p.readAllStandardOutput());
    }

    ShownMode shownMode()
    {
        QString error;
        const QString text = xrandr({QStringLiteral("--current")}, &error);
        if (text.isEmpty())
            qWarning("%s", qPrintable(error));
        return parseXrandr(text);
    }

    // Starts the probe and waits for it to listen.
    bool startProbe()
    {
        m_probe = new QProcess(this);
        QProcessEnvironment env = m_env;
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        m_probe->setProcessEnvironment(env);
        m_probe->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_probe->start(QStringLiteral(IXO_DISPLAY_PROBE), {});
        return answer().startsWith(QLatin1String("ready"));
    }

    QString answer()
    {
        while (!m_probe->canReadLine()) {
            if (!m_probe->waitForReadyRead(kWaitMs))
                return QStringLiteral("(no answer: %1)").arg(m_probe->errorString());
        }
        return QString::fromLocal8Bit(m_probe->readLine()).trimmed();
    }

    QString ask(const char *command)
    {
        m_probe->write(QByteArray(command) + '\n');
        return answer();
    }

private slots:
    void initTestCase()
    {
        const QString xorg = QStandardPaths::findExecutable(QStringLiteral("Xorg"));
        if (xorg.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("xrandr")).isEmpty() ||
            !QFileInfo::exists(QStringLiteral("/usr/lib/xorg/modules/drivers/dummy_drv.so")))
            QSKIP("needs Xorg, its dummy video driver and xrandr (scripts/deps.sh test installs them)");
        QVERIFY(m_dir.isValid());
        QDir(m_dir.path()).mkdir(QStringLiteral("conf.d")); // no configuration snippets of the machine

        // -displayfd: Xorg picks a free display itself and writes its number when it accepts connections.
        m_xorg.setProcessChannelMode(QProcess::SeparateChannels);
        m_xorg.start(xorg, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-sharevts"),
                            QStringLiteral("-novtswitch"), QStringLiteral("-noreset"), QStringLiteral("-nolisten"),
                            QStringLiteral("tcp"), QStringLiteral("-config"), QStringLiteral(IXO_XORG_CONF),
                            QStringLiteral("-configdir"), m_dir.filePath(QStringLiteral("conf.d")),
                            QStringLiteral("-logfile"), m_dir.filePath(QStringLiteral("xorg.log"))});
        QByteArray number;
        while (!number.contains('\n') && m_xorg.waitForReadyRead(kWaitMs))
            number += m_xorg.readAllStandardOutput();
        if (!number.contains('\n'))
            QFAIL(qPrintable(QStringLiteral("Xorg did not start (running as root is needed). Its output:\n%1\n%2")
                                 .arg(QString::fromLocal8Bit(m_xorg.readAllStandardError().right(2000)), xorgLog())));
        m_env = QProcessEnvironment::systemEnvironment();
        m_env.insert(QStringLiteral("DISPLAY"), QLatin1Char(':') + QString::fromLatin1(number.trimmed()));
        m_env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        m_env.remove(QStringLiteral("XAUTHORITY"));

        const ShownMode start = shownMode();
        QCOMPARE(describe(start), QStringLiteral("1024x768_75 @ 75.03 (output 1024x768, screen 1024x768)"));
    }

    void cleanupTestCase()
    {
        if (m_xorg.state() != QProcess::NotRunning) {
            m_xorg.terminate();
            if (!m_xorg.waitForFinished(kWaitMs))
                m_xorg.kill();
            m_xorg.waitForFinished(kWaitMs);
        }
    }

    void cleanup()
    {
        if (m_probe) {
            if (m_probe->state() != QProcess::NotRunning) {
                m_probe->kill();
                m_probe->waitForFinished(kWaitMs);
            }
            delete m_probe;
            m_probe = nullptr;
        }
        xrandr({QStringLiteral("--output"), QStringLiteral("DUMMY0"), QStringLiteral("--mode"),
                QStringLiteral("1024x768_75")});
    }

    // START's switch and the Test Review's restore, from modes of several rates.
    void switchesAndRestores_data()
    {
        QTest::addColumn<QStringList>("startMode"); // xrandr arguments; empty: as the server came up
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("fullScreen");
        QTest::addColumn<QString>("restored");
        QTest::newRow("1024x768 at 75: 640x480 at the same rate")
            << QStringList() << QStringLiteral("1024x768@75")
            << QStringLiteral("640x480 @ 75.00 (output 640x480, screen 640x480)")
            << QStringLiteral("1024x768_75 @ 75.03 (output 1024x768, screen 1024x768)");
        QTest::newRow("1024x768 at 70: 640x480 at the highest rate below, 60")
            << QStringList{QStringLiteral("--rate"), QStringLiteral("70")} << QStringLiteral("1024x768@70")
            << QStringLiteral("640x480 @ 59.94 (output 640x480, screen 640x480)")
            << QStringLiteral("1024x768 @ 70.07 (output 1024x768, screen 1024x768)");
        QTest::newRow("800x600 at 85: 640x480 at 85")
            << QStringList{QStringLiteral("--mode"), QStringLiteral("800x600"), QStringLiteral("--rate"),
                           QStringLiteral("85")}
            << QStringLiteral("800x600@85") << QStringLiteral("640x480 @ 85.01 (output 640x480, screen 640x480)")
            << QStringLiteral("800x600 @ 85.14 (output 800x600, screen 800x600)");
    }
    void switchesAndRestores()
    {
        QFETCH(QStringList, startMode);
        QFETCH(QString, saved);
        QFETCH(QString, fullScreen);
        QFETCH(QString, restored);
        if (!startMode.isEmpty()) {
            QString error;
            if (!startMode.contains(QStringLiteral("--mode")))
                startMode = QStringList{QStringLiteral("--mode"), QStringLiteral("1024x768")} + startMode;
            xrandr(QStringList{QStringLiteral("--output"), QStringLiteral("DUMMY0")} + startMode, &error);
            QVERIFY2(error.isEmpty(), qPrintable(error));
        }

        QVERIFY(startProbe());
        // A window placed right after the switch (in the same handler, as START shows the first test
        // screen) is placed on the new screen size.
        m_probe->write("enter\ncenter\n");
        QCOMPARE(answer(), QStringLiteral("entered found=1 saved=%1 switched=1").arg(saved));
        QCOMPARE(answer().section(QLatin1Char(' '), 0, 0), QStringLiteral("screen=640x480"));
        QCOMPARE(describe(shownMode()), fullScreen);
        m_probe->write("restore\ncenter\n");
        QCOMPARE(answer(), QStringLiteral("restored"));
        QCOMPARE(answer().section(QLatin1Char(' '), 0, 0),
                 QStringLiteral("screen=") + saved.section(QLatin1Char('@'), 0, 0));
        QCOMPARE(describe(shownMode()), restored);

        // Switched again and left through Quit, the program restores the mode on its way out.
        QCOMPARE(ask("enter"), QStringLiteral("entered found=1 saved=%1 switched=1").arg(saved));
        QCOMPARE(describe(shownMode()), fullScreen);
        m_probe->write("quit\n");
        QVERIFY(m_probe->waitForFinished(kWaitMs));
        QCOMPARE(m_probe->exitStatus(), QProcess::NormalExit);
        QCOMPARE(describe(shownMode()), restored);
    }

    // Every way out of the program while switched goes back to the mode it started in, and ends the
    // program as it would have ended anyway.
    void waysOut_data()
    {
        QTest::addColumn<bool>("switched");
        QTest::addColumn<QByteArray>("command"); // to the probe; empty: a signal
        QTest::addColumn<int>("signalNumber");
        QTest::addColumn<bool>("endedBySignal");
        QTest::newRow("SIGTERM") << true << QByteArray() << int(SIGTERM) << true;
        QTest::newRow("SIGINT") << true << QByteArray() << int(SIGINT) << true;
        QTest::newRow("SIGHUP") << true << QByteArray() << int(SIGHUP) << true;
        QTest::newRow("exit()") << true << QByteArray("exit") << 0 << false;
        QTest::newRow("last window closed") << true << QByteArray("close") << 0 << false;
        QTest::newRow("SIGTERM while not switched") << false << QByteArray() << int(SIGTERM) << true;
    }
    void waysOut()
    {
        QFETCH(bool, switched);
        QFETCH(QByteArray, command);
        QFETCH(int, signalNumber);
        QFETCH(bool, endedBySignal);

        QVERIFY(startProbe());
        if (switched) {
            QCOMPARE(ask("enter"), QStringLiteral("entered found=1 saved=1024x768@75 switched=1"));
            QCOMPARE(describe(shownMode()), QStringLiteral("640x480 @ 75.00 (output 640x480, screen 640x480)"));
        }
        if (command.isEmpty())
            QCOMPARE(::kill(pid_t(m_probe->processId()), signalNumber), 0);
        else
            m_probe->write(command + '\n');
        QVERIFY(m_probe->waitForFinished(kWaitMs));
        if (endedBySignal) {
            QCOMPARE(m_probe->exitStatus(), QProcess::CrashExit);
            QCOMPARE(m_probe->exitCode(), signalNumber);
        } else {
            QCOMPARE(m_probe->exitStatus(), QProcess::NormalExit);
            QCOMPARE(m_probe->exitCode(), 0);
        }
        QCOMPARE(describe(shownMode()), QStringLiteral("1024x768_75 @ 75.03 (output 1024x768, screen 1024x768)"));
    }
};

QTEST_GUILESS_MAIN(DisplayXorgTest)
#include "tst_display_xorg.moc"
