#include "ui/fixed_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace ixo {

void SetFixedSingleBorder(QWidget *window, int clientWidth, int clientHeight, TitleButtons buttons)
{
    Qt::WindowFlags flags = window->windowFlags() & Qt::WindowType_Mask;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
             Qt::MSWindowsFixedSizeDialogHint;
    if (buttons == TitleButtons::Minimize)
        flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);
    window->setFixedSize(clientWidth, clientHeight);
}

void CentreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(),
                                            screen->availableGeometry()));
}

} // namespace ixo
