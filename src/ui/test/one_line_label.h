#pragma once

#include <QLabel>

namespace ixo {

// Keeps a fixed caption on one line. Where the screen font runs wider than the caption's box, the box grows to
// the text, keeping its left edge, or its centre when the caption is centred.
inline QLabel *OnOneLine(QLabel *label)
{
    label->setWordWrap(false);
    const int needed = label->sizeHint().width();
    if (needed <= label->width())
        return label;
    QRect box = label->geometry();
    if (label->alignment() & Qt::AlignHCenter)
        box.moveLeft(box.left() - (needed - box.width()) / 2);
    box.setWidth(needed);
    label->setGeometry(box);
    return label;
}

} // namespace ixo
