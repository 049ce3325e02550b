// Measures what the writing screen does on every keystroke and once a minute, against the budgets:
//   - a typed character in a 1,500-word essay with Auto word count, key press to updated word count: <= 1 ms
//   - CountWords over the essay: <= 4 x one plain pass over the same text (counting its spaces)
//   - the atomic autosave of that essay: <= 1.5 x a bare write + flush + rename of the same bytes
// Prints the medians and exits with 1 when a budget is exceeded.
#include "app/program_folder.h"
#include "app/test_state.h"
#include "ui/test/draft_rules.h"
#include "ui/test/word_count_rules.h"
#include "ui/test/writing_screen.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include <unistd.h>

using namespace ixo;
using Clock = std::chrono::steady_clock;

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double microseconds(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::micro>(to - from).count();
}

// A 1,500-word essay in ten paragraphs.
QString essay()
{
    const QStringList words =
        QStringLiteral("the argument assumes that a decline in reported cases proves the policy worked, "
                       "yet several other explanations remain plausible and well-documented")
            .split(QLatin1Char(' '));
    QString text;
    for (int i = 0; i < 1500; ++i) {
        text += words.at(i % words.size());
        text += (i % 150 == 149) ? QStringLiteral("\n\n") : QStringLiteral(" ");
    }
    return text.trimmed();
}

template <class T> void keep(const T &value)
{
    asm volatile("" : : "g"(&value) : "memory");
}

bool report(const char *what, double figure, const char *unit, double budget, const char *budgetText)
{
    const bool ok = figure <= budget;
    std::printf("%-58s %10.3f %-3s (budget %s) %s\n", what, figure, unit, budgetText, ok ? "ok" : "OVER");
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("review"));
    SetProgramFolder(folder.path());

    const QString text = essay();
    bool ok = true;
    std::printf("essay: %d words, %lld characters\n", int(CountWords(text)), static_cast<long long>(text.size()));

    // 1. Typing with Auto word count.
    {
        Settings().WordCount = -1;
        Settings().ShowWordsAuto = -1;
        Settings().IssueMinutes = 45;
        State().MinutesLeft = 44;
        State().SecondsLeft = 60;
        auto *screen = new WritingScreen(SectionKind::Issue);
        screen->findChild<QTimer *>(QStringLiteral("Timer1"))->stop();
        screen->show();
        auto *box = screen->findChild<QPlainTextEdit *>(QStringLiteral("tin"));
        auto *wordshow = screen->findChild<QLabel *>(QStringLiteral("wordshow"));
        box->setPlainText(text);
        box->moveCursor(QTextCursor::End);
        box->setFocus();
        QCoreApplication::processEvents();

        // Each round types a letter that begins a new word (timed) and takes it back with Backspace, so the
        // essay keeps its size.
        box->insertPlainText(QStringLiteral(" "));
        const int words = CountWords(text);
        std::vector<double> keyTimes;
        for (int i = 0; i < 3000; ++i) {
            const int key = Qt::Key_A + i % 26;
            const QString typed(QChar(u'a' + i % 26));
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, typed);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, typed);
            wordshow->clear();
            const Clock::time_point start = Clock::now();
            QApplication::sendEvent(box, &press);
            const Clock::time_point end = Clock::now();
            QApplication::sendEvent(box, &release);
            if (wordshow->text() != WordCountText(words + 1)) {
                std::printf("word count not updated: %s\n", qPrintable(wordshow->text()));
                return 2;
            }
            keyTimes.push_back(microseconds(start, end));
            QCoreApplication::processEvents(); // layout and painting between keystrokes, as in use
            QKeyEvent back(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
            QApplication::sendEvent(box, &back);
            QCoreApplication::processEvents();
        }
        ok &= report("typed character to updated word count (median)", median(keyTimes) / 1000.0, "ms", 1.0, "1 ms");
        screen->close();
        delete screen;
    }

    // 2. CountWords against one plain pass over the same text.
    {
        std::vector<double> countTimes, passTimes;
        for (int round = 0; round < 201; ++round) {
            constexpr int repeat = 200;
            Clock::time_point start = Clock::now();
            for (int i = 0; i < repeat; ++i)
                keep(CountWords(text));
            countTimes.push_back(microseconds(start, Clock::now()) / repeat);
            start = Clock::now();
            for (int i = 0; i < repeat; ++i) {
                const char16_t *data = QStringView(text).utf16();
                keep(std::count(data, data + text.size(), u' '));
            }
            passTimes.push_back(microseconds(start, Clock::now()) / repeat);
        }
        const double count = median(countTimes), pass = median(passTimes);
        std::printf("%-58s %10.3f us\n", "CountWords over the essay (median)", count);
        std::printf("%-58s %10.3f us\n", "one plain pass, counting spaces (median)", pass);
        ok &= report("CountWords / plain pass", count / pass, "x", 4.0, "4x");
    }

    // 3. The atomic autosave against a bare write, flush and rename of the same bytes.
    {
        const QString topic = QStringLiteral("A topic of moderate length for the header line of the autosave.");
        const QByteArray bytes = DraftContent(SectionKind::Issue, 12, topic, text, QStringLiteral("date"));
        const QString barePath = QDir(folder.path()).filePath(QStringLiteral("bare.txt"));
        const QString bareTemp = barePath + QStringLiteral(".tmp");
        // The three writes take turns in each round, so that the disk's changing load falls on all three alike.
        auto bareWrite = [&](bool durable) {
            const Clock::time_point start = Clock::now();
            QFile file(bareTemp);
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() ||
                !file.flush() || (durable && ::fsync(file.handle()) != 0))
                return -1.0;
            file.close();
            std::rename(QFile::encodeName(bareTemp).constData(), QFile::encodeName(barePath).constData());
            return microseconds(start, Clock::now());
        };
        std::vector<double> saveTimes, bareTimes, syncedTimes;
        for (int round = 0; round < 301; ++round) {
            const Clock::time_point start = Clock::now();
            if (SaveDraft(SectionKind::Issue, 12, topic, text)) {
                std::printf("autosave failed\n");
                return 2;
            }
            saveTimes.push_back(microseconds(start, Clock::now()));
            bareTimes.push_back(bareWrite(false));
            // For comparison: the bare write made durable, as the atomic save makes it (the data reaches the
            // disk before the rename).
            syncedTimes.push_back(bareWrite(true));
            if (bareTimes.back() < 0 || syncedTimes.back() < 0) {
                std::printf("bare write failed\n");
                return 2;
            }
        }
        const double save = median(saveTimes), bare = median(bareTimes);
        std::printf("%-58s %10.3f us (%lld bytes)\n", "atomic autosave (median)", save,
                    static_cast<long long>(bytes.size()));
        std::printf("%-58s %10.3f us\n", "bare write + flush + rename (median)", bare);
        std::printf("%-58s %10.3f us\n", "bare write + flush + fsync + rename (median)", median(syncedTimes));
        ok &= report("atomic autosave / bare write", save / bare, "x", 1.5, "1.5x");
        std::printf("%-58s %10.3f x\n", "atomic autosave / bare write with fsync", save / median(syncedTimes));
    }
    return ok ? 0 : 1;
}
