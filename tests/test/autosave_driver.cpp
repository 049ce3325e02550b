// ixo_autosave_driver: runs the Issue writing screen in a program folder with Safe Mode on and its clock driven
// far faster than real time, so that the minute's autosave comes one after another, each with one more piece
// of a known essay typed into the essay box. The crash test kills it at random moments.
//
// Usage: ixo_autosave_driver PROGRAM_FOLDER [SAVES]
// The folder must hold data/issue.dat. Prints "saving" once the first autosave is written; runs until it is
// killed, or until SAVES autosaves are written and then exits with status 0.
#include "app/data_files.h"
#include "app/program_folder.h"
#include "app/road.h"
#include "app/test_state.h"
#include "autosave_essay.h"
#include "data/code_page.h"
#include "ui/test/writing_rules.h"
#include "ui/test/writing_screen.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>

#include <cstdio>

using namespace ixo;

namespace {

// The clock ticks of one minute: the screen saves on the tick that starts a new minute.
constexpr int TicksPerSave = 60;

WritingScreen *openSection(const QString &essay)
{
    State().IssueTopicNo = crashtest::TopicNo;
    State().MinutesLeft = crashtest::SectionMinutes - 1;
    State().SecondsLeft = 60;
    auto *screen = qobject_cast<WritingScreen *>(ShowScreen(Screen::Pro4));
    if (!screen)
        return nullptr;
    // The driver's own timer takes the place of the one-second Timer1.
    if (auto *timer1 = screen->findChild<QTimer *>(QStringLiteral("Timer1")))
        timer1->stop();
    if (auto *tin = screen->findChild<QPlainTextEdit *>(QStringLiteral("tin")))
        tin->setPlainText(essay);
    return screen;
}

void fail(const char *what)
{
    std::fprintf(stderr, "ixo_autosave_driver: %s\n", what);
    std::fflush(stderr);
    QCoreApplication::exit(3);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2 || args.size() > 3) {
        std::fputs("Usage: ixo_autosave_driver PROGRAM_FOLDER [SAVES]\n", stderr);
        return 2;
    }
    const int saveLimit = args.size() == 3 ? args.at(2).toInt() : -1;

    SetProgramFolder(args.at(1));
    SetPoolCodePage(CodePage::Windows1252);
    OpenDataFiles();
    Settings().SafeMode = -1;
    Settings().IssueMinutes = crashtest::SectionMinutes;

    QPointer<WritingScreen> screen = openSection({});
    QString essay;
    int pieces = 0;
    int saves = 0;

    QTimer driver;
    driver.setTimerType(Qt::PreciseTimer);
    driver.setInterval(0);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        if (screen && screen->panelKind() == PanelKind::TimeExpired) {
            // The section ran out (and saved): the next run's writing screen carries the essay on.
            screen->close();
            screen = openSection(essay);
        }
        auto *tin = screen ? screen->findChild<QPlainTextEdit *>(QStringLiteral("tin")) : nullptr;
        if (!tin) {
            fail("the writing screen or its essay box is missing");
            return;
        }
        const QString piece = crashtest::EssayPiece(pieces++);
        tin->moveCursor(QTextCursor::End);
        tin->insertPlainText(piece);
        essay += piece;
        for (int i = 0; i < TicksPerSave; ++i)
            screen->Timer1_Timer();
        if (++saves == 1) {
            std::fputs("saving\n", stdout);
            std::fflush(stdout);
        }
        if (saves == saveLimit)
            QCoreApplication::exit(0);
    });
    driver.start();
    return QApplication::exec();
}
