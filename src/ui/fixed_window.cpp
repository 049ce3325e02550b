#include "ui/fixed_window.h"

#include "ui/look.h"

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

QFont DialogFont()
{
    QFont font = look::SansFont();
    font.setPixelSize(11);
    return font;
}

void FitCaption(QWidget *control)
{
    QFont font = control->font();
    while (control->sizeHint().width() > control->width() && font.pixelSize() > 9) {
        font.setPixelSize(font.pixelSize() - 1);
        control->setFont(font);
    }
}

void CentreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window->setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(), screen->availableGeometry()));
}

} // namespace ixo
