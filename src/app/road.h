#pragma once

#include <QString>

class QWidget;

namespace ixo {

// The windows of the road through a practice test, and the main window it starts from and returns to.
enum class Screen { Form1, Pro1, Pro2, Pro3, Pro4, Pro6, Pro7, Over };

QString ScreenName(Screen screen); // the window's object name: "Form1", "pro1", ..., "over"

// Creates the window of `screen`, runs its load and shows it without blocking. Returns the window.
QWidget *ShowScreen(Screen screen);

// The first screen after START, from the settings just stored; sets MinutesLeft where that screen expects it.
Screen FirstScreenAfterStart();

} // namespace ixo
