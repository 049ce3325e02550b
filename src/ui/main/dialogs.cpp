#include "ui/main/dialogs.h"

#include "ui/main/about.h"
#include "ui/main/adv.h"
#include "ui/review/topedit.h"

#include <QPointer>

namespace ixo {

void OpenTopicEditor()
{
    // One editor at a time; it has no owner, so it stays open when the main window closes for a test.
    static QPointer<topedit> editor;
    if (!editor)
        editor = new topedit;
    editor->show();
    editor->setWindowState(editor->windowState() & ~Qt::WindowMinimized);
    editor->raise();
    editor->activateWindow();
}

void ExecAdvancedOptions(QWidget *parent)
{
    auto *dialog = new adv(parent);
    dialog->exec();
}

void ExecAbout(QWidget *parent)
{
    auto *dialog = new about(parent);
    dialog->exec();
}

} // namespace ixo
