// Ixoran: practice for the two timed essay tasks of the GRE writing section.
#include "app/data_files.h"
#include "app/program_folder.h"
#include "app/road.h"
#include "app/test_state.h"
#include "data/code_page.h"
#include "platform/display_mode.h"
#include "ui/message_box.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Without a display the toolkit would abort with a message of its own; say plainly what is missing.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs("ixoran: no graphical display (DISPLAY or WAYLAND_DISPLAY) is set; start it in a desktop session.\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ixoran"));
    ixo::InstallDisplayRestoreOnExit();

    // The topic pools and the settings live in the data folder beside the program. Without it there is
    // nothing to practise with, and nothing is created in its place.
    const QString data = ixo::DataFolder();
    if (!QFileInfo(data).isDir()) {
        const QString message = QStringLiteral("The data folder was not found:\n%1\n\nIxoran keeps its topic pools "
                                               "(issue.dat, argue.dat) and its settings there. Put the data folder "
                                               "beside the program, or reinstall the program, and start it again.")
                                    .arg(QDir::toNativeSeparators(data));
        std::fprintf(stderr, "ixoran: %s\n", qPrintable(QString(message).replace(QLatin1Char('\n'), QLatin1Char(' '))));
        ixo::msg::Show(nullptr, message, QStringLiteral("IXO"), ixo::msg::Ok, ixo::msg::Icon::Critical);
        return 1;
    }

    ixo::SetPoolCodePage(ixo::CodePageForLocale(QLocale::system()));
    ixo::ShowScreen(ixo::Screen::Form1);
    // The start-up benchmark measures the time to a shown, idle main window: quit as soon as the queue
    // of start-up events is empty, without closing any window.
    if (qEnvironmentVariableIsSet("IXO_QUIT_WHEN_IDLE"))
        QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    return QApplication::exec();
}
