#include "app/road.h"

#include "ui/test/pro3.h"
#include "ui/test/writing_screen.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace ixo {

namespace {

// A window that stands for a screen not built yet.
QWidget *makePlaceholder(Screen screen)
{
    auto *w = new QWidget;
    w->setObjectName(ScreenName(screen));
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setWindowTitle(QStringLiteral("IXO"));
    w->resize(640, 480);
    auto *layout = new QVBoxLayout(w);
    auto *label = new QLabel(QStringLiteral("Screen %1 (not built yet)").arg(ScreenName(screen)), w);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    return w;
}

} // namespace

QWidget *ShowScreen(Screen screen)
{
    QWidget *window = nullptr;
    switch (screen) {
    case Screen::Form1: window = makePlaceholder(screen); break;
    case Screen::Pro1: window = makePlaceholder(screen); break;
    case Screen::Pro2: window = makePlaceholder(screen); break;
    case Screen::Pro3: window = new pro3; break;
    case Screen::Pro4: window = new WritingScreen(SectionKind::Issue); break;
    case Screen::Pro6: window = makePlaceholder(screen); break;
    case Screen::Pro7: window = new WritingScreen(SectionKind::Argument); break;
    case Screen::Over: window = makePlaceholder(screen); break;
    }
    window->show();
    return window;
}

} // namespace ixo
