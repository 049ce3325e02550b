#pragma once

class QWidget;

namespace ixo {

enum class TitleButtons { CloseOnly, Minimize };

// A window with a fixed single border: a client area of the given size that the candidate cannot resize,
// no maximize button, and a minimize button only when asked for.
void SetFixedSingleBorder(QWidget *window, int clientWidth, int clientHeight, TitleButtons buttons);

// Moves a top-level window to the centre of the screen it is on.
void CentreOnScreen(QWidget *window);

} // namespace ixo
