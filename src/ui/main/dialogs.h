#pragma once

class QWidget;

namespace ixo {

// The windows the main window's menus open.
void OpenTopicEditor();                        // beside the main window, not modal; brought forward if open
void ExecAdvancedOptions(QWidget *parent);     // modal
void ExecAbout(QWidget *parent);               // modal

} // namespace ixo
