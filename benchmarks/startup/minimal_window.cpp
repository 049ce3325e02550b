// The yardstick of the start-up benchmark: the smallest Qt Widgets program that shows one empty window.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("minimal"));
    window.resize(377, 239);
    window.show();
    if (qEnvironmentVariableIsSet("IXO_QUIT_WHEN_IDLE"))
        QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    return QApplication::exec();
}
