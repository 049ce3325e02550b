#pragma once

#include <QLabel>

namespace ixo {

// A button drawn as a picture. A press with any mouse button shows the pressed face; the release shows the
// up face again wherever the pointer is; a click (press and release over the button) then runs the action.
// A disabled button keeps whatever face it was last given and reacts to nothing.
class ImageButton final : public QLabel
{
    Q_OBJECT

public:
    // `pressedFace` 0: the button has no pressed face and keeps its face while held.
    // `greyFace`: the face of a toolbar icon greyed by an open dialog (0: none).
    ImageButton(QWidget *parent, const QString &name, int upFace, int pressedFace = 0, int greyFace = 0);

    // Shows the face `id` (loaded anew) and sizes the button to it.
    void setFace(int id);
    int face() const { return m_face; }
    int upFace() const { return m_up; }

    // Whether the button takes presses and clicks (its face is not changed).
    void setActive(bool active);
    bool isActive() const { return m_active; }

    // A toolbar icon while a dialog is open: greyed face and inactive; back to its up face and active after.
    void setGreyed(bool greyed);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_up;
    int m_pressed;
    int m_grey;
    int m_face = 0;
    bool m_active = true;
    bool m_held = false;
};

} // namespace ixo
