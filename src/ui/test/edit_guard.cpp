#include "ui/test/edit_guard.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>

namespace ixo {

EditBoxGuard *EditBoxGuard::install(QPlainTextEdit *box, Options options)
{
    if (!options.mouse && !options.clipboardKeys)
        return nullptr;
    return new EditBoxGuard(box, options);
}

EditBoxGuard::EditBoxGuard(QPlainTextEdit *box, Options options) : QObject(box), m_options(options)
{
    setObjectName(QStringLiteral("EditBoxGuard"));
    if (m_options.mouse) {
        box->setContextMenuPolicy(Qt::NoContextMenu);
        box->viewport()->setContextMenuPolicy(Qt::NoContextMenu);
        box->setAcceptDrops(false);
        box->viewport()->setAcceptDrops(false);
    }
    box->installEventFilter(this);
    box->viewport()->installEventFilter(this);
}

bool EditBoxGuard::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        if (m_options.mouse) {
            const Qt::MouseButton button = static_cast<QMouseEvent *>(event)->button();
            if (button == Qt::RightButton || button == Qt::MiddleButton)
                return true;
        }
        break;
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        if (m_options.mouse) {
            event->ignore();
            return true;
        }
        break;
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
        if (m_options.clipboardKeys) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste) ||
                key->matches(QKeySequence::Cut)) {
                // Taken and dropped: neither the box nor a shortcut elsewhere acts on it.
                key->accept();
                return true;
            }
        }
        break;
    default:
        break;
    }
    return false;
}

} // namespace ixo
