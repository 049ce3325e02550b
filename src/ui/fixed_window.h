#pragma once

#include <QFont>

class QWidget;

namespace ixo {

enum class TitleButtons { CloseOnly, Minimize };

// A window with a fixed single border: a client area of the given size that the candidate cannot resize,
// no maximize button, and a minimize button only when asked for.
void SetFixedSingleBorder(QWidget *window, int clientWidth, int clientHeight, TitleButtons buttons);

// The captions' font of the dialogs and tool windows: the sans-serif face at 11 pixels, which fits their
// captions into the fixed places of their controls.
QFont DialogFont();

// Makes a label's or an option's caption fit its fixed width: the font shrinks a pixel at a time, down to
// 9 pixels, while the caption is wider than the control.
void FitCaption(QWidget *control);

// Moves a top-level window to the centre of the screen it is on.
void CentreOnScreen(QWidget *window);

} // namespace ixo
