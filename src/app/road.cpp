#include "app/road.h"

#include "ui/main/form1.h"
#include "ui/review/over.h"
#include "ui/test/directions_screens.h"
#include "ui/test/pro3.h"
#include "ui/test/writing_screen.h"

namespace ixo {

QWidget *ShowScreen(Screen screen)
{
    QWidget *window = nullptr;
    switch (screen) {
    case Screen::Form1: window = new Form1; break;
    case Screen::Pro1: window = new pro1; break;
    case Screen::Pro2: window = new pro2; break;
    case Screen::Pro3: window = new pro3; break;
    case Screen::Pro4: window = new WritingScreen(SectionKind::Issue); break;
    case Screen::Pro6: window = new pro6; break;
    case Screen::Pro7: window = new WritingScreen(SectionKind::Argument); break;
    case Screen::Over: window = new over; break;
    }
    window->show();
    return window;
}

} // namespace ixo
