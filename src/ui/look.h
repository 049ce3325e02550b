#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QWidget>

namespace ixo::look {

// Positions and sizes of the windows are laid out in twips; 15 twips make one pixel.
constexpr int Px(int twips)
{
    return (twips >= 0 ? twips + 7 : twips - 7) / 15;
}

inline QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

// Places a child widget at a position given in twips.
inline void Place(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(TwipsRect(left, top, width, height));
}

inline const QColor Grey{192, 192, 192};
inline const QColor White{255, 255, 255};
inline const QColor Strip{128, 128, 128};   // the application-workspace colour of the title strip
inline const QColor Highlight{255, 255, 255}; // highlighted text on the strip

// The screen font ("System" 9.75 pt bold on the original screens) and the dialog font ("MS Sans Serif" 9.75 pt).
QFont SystemFont();
QFont SansFont(bool bold = false);

} // namespace ixo::look
