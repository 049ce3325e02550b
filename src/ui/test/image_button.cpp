#include "ui/test/image_button.h"

#include "ui/test/faces.h"

#include <QMouseEvent>

namespace ixo {

ImageButton::ImageButton(QWidget *parent, const QString &name, int upFace, int pressedFace, int greyFace)
    : QLabel(parent), m_up(upFace), m_pressed(pressedFace), m_grey(greyFace)
{
    setObjectName(name);
    setFace(upFace);
}

void ImageButton::setFace(int id)
{
    m_face = id;
    const QPixmap pixmap = LoadFace(id);
    setPixmap(pixmap);
    resize(pixmap.size());
}

void ImageButton::setActive(bool active)
{
    m_active = active;
    m_held = false;
}

void ImageButton::setGreyed(bool greyed)
{
    setFace(greyed && m_grey ? m_grey : m_up);
    setActive(!greyed);
}

void ImageButton::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (!m_active || !isEnabled())
        return;
    m_held = true;
    if (m_pressed)
        setFace(m_pressed);
}

void ImageButton::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (!m_active || !isEnabled() || !m_held)
        return;
    m_held = false;
    if (m_pressed)
        setFace(m_up);
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace ixo
