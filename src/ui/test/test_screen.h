#pragma once

#include "app/road.h"

#include <QColor>
#include <QLabel>
#include <QWidget>

namespace ixo {

class DialogPanel;
class ImageButton;

// A filled and/or outlined rectangle (the screens' shapes and panels).
class Shape final : public QWidget
{
    Q_OBJECT

public:
    // An invalid colour leaves the fill or the outline out.
    Shape(QWidget *parent, const QString &name, const QColor &fill, const QColor &outline = {});

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill;
    QColor m_outline;
};

// A picture control showing a face or shadow strip at a fixed place.
class Picture final : public QLabel
{
    Q_OBJECT

public:
    Picture(QWidget *parent, const QString &name, int faceId = 0);
    void setFace(int id);
    int face() const { return m_face; }

private:
    int m_face = 0;
};

// The frame shared by every screen of the practice test: a borderless 640 by 480 window captioned "IXO",
// the light grey `Picture1` that holds everything, and helpers that lay out the title strip, labels,
// toolbar buttons and dialog panels at positions given in twips.
class TestScreen : public QWidget
{
    Q_OBJECT

public:
    explicit TestScreen(const QString &name);

    QWidget *picture1() const { return m_picture1; }

    // Hands over to the next screen: shows it (its load runs at once), then closes and deletes this one.
    void handOver(Screen next);
    // Leaves the test for the Test Review: restores the display mode first when Full Screen is on.
    void handOverToReview();

protected:
    // The dark title strip at the top (or elsewhere for the dark bars).
    Shape *addStrip(QWidget *parent, const QString &name, int left, int top, int width, int height);
    // A white bold label on the strip colour.
    QLabel *addStripLabel(QWidget *parent, const QString &name, const QString &text, int left, int top, int width,
                          int height, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
    // A black bold label on white.
    QLabel *addTextLabel(QWidget *parent, const QString &name, const QString &text, int left, int top, int width,
                         int height, Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop);
    ImageButton *addButton(QWidget *parent, const QString &name, int upFace, int pressedFace, int left, int top,
                           int greyFace = 0);
    Shape *addRect(QWidget *parent, const QString &name, const QColor &fill, const QColor &outline, int left,
                   int top, int width, int height);
    Picture *addPicture(QWidget *parent, const QString &name, int faceId, int left, int top);
    // The three texts of the Quit Test dialog, in their block `Lab_2` of the panel.
    QWidget *addQuitTestTexts(DialogPanel *panel);

private:
    QWidget *m_picture1;
};

// The test's confirmation dialog: a white panel laid over the screen's content, with the title strip picture,
// a caption picture naming the dialog, shadow strips, two outlines, and the message labels and wide buttons
// that the screen adds to it. Hidden until needed.
class DialogPanel final : public QWidget
{
    Q_OBJECT

public:
    // `left`, `top`, `width`, `height` in twips within the screen. `withCaption` false leaves `title_cap` out.
    DialogPanel(QWidget *parent, const QString &name, int left, int top, int width, int height, bool withCaption = true);

    Picture *titleBack() const { return m_titleBack; }
    Picture *titleCap() const { return m_titleCap; }

private:
    Picture *m_titleBack;
    Picture *m_titleCap = nullptr;
};

// The places of the wide buttons in a dialog panel's row, in twips.
inline constexpr int DialogButtonTop = 5445;
inline constexpr int DialogButtonLeft = 1425;
inline constexpr int DialogButtonMiddle = 3375;
inline constexpr int DialogButtonRight = 5325;

} // namespace ixo
