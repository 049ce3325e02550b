#include "ui/test/faces.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace ixo {

namespace {

enum class Look {
    RaisedButton,  // grey bevelled push button with black text
    SunkenButton,  // the same, pressed: darker, bevel inverted
    IconUp,        // toolbar icon: white face, black drawing
    IconDown,      // toolbar icon pressed: black face, white drawing
    IconGrey,      // toolbar icon greyed by an open dialog
    Caption,       // dialog caption text on the title strip
    Special,       // drawn by its own function
};

enum class Glyph { None, Clock, Question, Count };

struct FaceSpec
{
    int id;
    int width;
    int height;
    Look look;
    const char *text; // lines separated by '\n'
    Glyph glyph = Glyph::None;
};

// The catalogue of faces.
const FaceSpec kFaces[] = {
    {101, 67, 43, Look::RaisedButton, "Cut"},
    {102, 67, 43, Look::SunkenButton, "Cut"},
    {103, 67, 43, Look::RaisedButton, "Paste"},
    {104, 67, 43, Look::SunkenButton, "Paste"},
    {105, 67, 43, Look::RaisedButton, "Undo"},
    {106, 67, 43, Look::SunkenButton, "Undo"},
    {107, 45, 40, Look::IconUp, "Test\nQuit"},
    {108, 45, 40, Look::IconDown, "Test\nQuit"},
    {109, 45, 40, Look::IconUp, "Section\nExit"},
    {110, 45, 40, Look::IconDown, "Section\nExit"},
    {111, 45, 40, Look::IconUp, "Time", Glyph::Clock},
    {112, 46, 40, Look::IconDown, "Time", Glyph::Clock},
    {113, 45, 40, Look::IconUp, "Help", Glyph::Question},
    {114, 45, 40, Look::IconGrey, "Help", Glyph::Question},
    {115, 45, 40, Look::IconGrey, "Test\nQuit"},
    {116, 45, 40, Look::IconGrey, "Section\nExit"},
    {117, 45, 40, Look::IconGrey, "Time", Glyph::Clock},
    {118, 162, 30, Look::RaisedButton, "Return to Where I Was"},
    {119, 162, 30, Look::SunkenButton, "Return to Where I Was"},
    {120, 162, 30, Look::RaisedButton, "Exit Section"},
    {121, 162, 30, Look::SunkenButton, "Exit Section"},
    {122, 162, 30, Look::RaisedButton, "Quit Test"},
    {123, 162, 30, Look::SunkenButton, "Quit Test"},
    {124, 162, 30, Look::RaisedButton, "Proceed"},
    {125, 161, 29, Look::SunkenButton, "Proceed"},
    {126, 162, 30, Look::RaisedButton, "Return to Directions"},
    {127, 161, 29, Look::SunkenButton, "Return to Directions"},
    {128, 67, 43, Look::IconUp, "Dismiss\nDirections"},
    {129, 67, 43, Look::IconDown, "Dismiss\nDirections"},
    {130, 96, 9, Look::Caption, "Exit Section"},
    {131, 70, 10, Look::Caption, "Quit Test"},
    {132, 127, 11, Look::Caption, "Time Has Expired"},
    {133, 112, 9, Look::Caption, "End of Section"},
    {134, 71, 84, Look::Special, "When finished reading directions click on the icon below"},
    {135, 416, 206, Look::Special,
     "There are more directions to read - use the scroll bar to view them.  You can move off the directions "
     "by dismissing this message and clicking on Dismiss Directions.  If you don't read them now, they can "
     "only be viewed later by using the Help testing tool."},
    {136, 618, 29, Look::Special, ""},
    {137, 45, 40, Look::IconUp, "Count\nWord"},
    {138, 45, 40, Look::IconDown, "Count\nWord"},
};

const FaceSpec *find(int id)
{
    for (const FaceSpec &f : kFaces)
        if (f.id == id)
            return &f;
    return nullptr;
}

const QColor kButtonGrey(192, 192, 192);
const QColor kButtonDark(150, 150, 150);
const QColor kTitleGrey(128, 128, 128);
const QColor kTitleBlue(10, 36, 106);

QFont pixelFont(int pixels, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// The classic two-pixel bevel: light top-left, dark bottom-right (inverted when sunken).
void drawBevel(QPainter &p, const QRect &r, bool sunken)
{
    const QColor light = sunken ? QColor(64, 64, 64) : QColor(255, 255, 255);
    const QColor dark = sunken ? QColor(255, 255, 255) : QColor(64, 64, 64);
    const QColor mid = sunken ? QColor(128, 128, 128) : QColor(128, 128, 128);
    p.setPen(Qt::black);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    const QRect in = r.adjusted(1, 1, -2, -2);
    p.setPen(light);
    p.drawLine(in.topLeft(), in.topRight());
    p.drawLine(in.topLeft(), in.bottomLeft());
    p.setPen(dark);
    p.drawLine(in.bottomLeft(), in.bottomRight());
    p.drawLine(in.topRight(), in.bottomRight());
    p.setPen(mid);
    const QRect in2 = in.adjusted(1, 1, -1, -1);
    p.drawLine(in2.bottomLeft(), in2.bottomRight());
    p.drawLine(in2.topRight(), in2.bottomRight());
}

void drawButton(QPainter &p, const FaceSpec &f, bool sunken)
{
    const QRect r(0, 0, f.width, f.height);
    p.fillRect(r, sunken ? kButtonDark : kButtonGrey);
    drawBevel(p, r, sunken);
    p.setPen(Qt::black);
    p.setFont(pixelFont(f.height >= 40 ? 12 : 11, true));
    p.drawText(r.translated(sunken ? 1 : 0, sunken ? 1 : 0), Qt::AlignCenter, QString::fromLatin1(f.text));
}

void drawClock(QPainter &p, const QRectF &r, const QColor &ink)
{
    p.setPen(QPen(ink, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(r);
    const QPointF c = r.center();
    p.drawLine(c, QPointF(c.x(), r.top() + 3));
    p.drawLine(c, QPointF(r.right() - 3.5, c.y()));
}

void drawIcon(QPainter &p, const FaceSpec &f)
{
    const QRect r(0, 0, f.width, f.height);
    QColor face = Qt::white;
    QColor ink = Qt::black;
    if (f.look == Look::IconDown) {
        face = Qt::black;
        ink = Qt::white;
    } else if (f.look == Look::IconGrey) {
        face = QColor(212, 212, 212);
        ink = QColor(140, 140, 140);
    }
    p.fillRect(r, face);
    p.setPen(f.look == Look::IconGrey ? QColor(160, 160, 160) : QColor(0, 0, 0));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    const QStringList lines = QString::fromLatin1(f.text).split(QLatin1Char('\n'));
    p.setPen(ink);
    if (f.glyph == Glyph::None) {
        p.setFont(pixelFont(f.width > 60 ? 11 : (lines.size() > 1 && lines[0].size() > 5 ? 9 : 11), true));
        const int lineHeight = f.height / (lines.size() + 1);
        for (int i = 0; i < lines.size(); ++i) {
            const QRect line(0, lineHeight / 2 + i * lineHeight, f.width, lineHeight);
            p.drawText(line, Qt::AlignCenter, lines[i]);
        }
        return;
    }
    const QRectF glyphBox(f.width / 2.0 - 9, 3, 18, 18);
    if (f.glyph == Glyph::Clock) {
        drawClock(p, glyphBox, ink);
    } else if (f.glyph == Glyph::Question) {
        p.setFont(pixelFont(17, true));
        p.drawText(glyphBox.toRect(), Qt::AlignCenter, QStringLiteral("?"));
    }
    p.setFont(pixelFont(10, true));
    p.drawText(QRect(0, 22, f.width, 16), Qt::AlignCenter, lines.constLast());
}

QLinearGradient titleGradient(qreal width)
{
    QLinearGradient g(0, 0, width, 0);
    g.setColorAt(0, kTitleGrey);
    g.setColorAt(1, kTitleBlue);
    return g;
}

void drawCaption(QPainter &p, const FaceSpec &f)
{
    // The caption sits on the dialog title strip 5 pixels from its left edge: continue its gradient.
    QLinearGradient g = titleGradient(618);
    p.translate(-5, 0);
    p.fillRect(QRect(5, 0, f.width, f.height), g);
    p.translate(5, 0);
    p.setPen(Qt::white);
    p.setFont(pixelFont(f.height, true));
    p.drawText(QRect(0, -1, f.width, f.height + 2), Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(f.text));
}

void drawTitleStrip(QPainter &p, int width, int height)
{
    p.fillRect(QRect(0, 0, width, height), titleGradient(width));
    // The close box at the right end.
    const QRect box(width - 22, (height - 16) / 2, 18, 16);
    p.fillRect(box, kButtonGrey);
    drawBevel(p, box, false);
    p.setPen(QPen(Qt::black, 1.6));
    p.drawLine(box.topLeft() + QPoint(5, 4), box.bottomRight() - QPoint(5, 4));
    p.drawLine(QPoint(box.right() - 5, box.top() + 4), QPoint(box.left() + 5, box.bottom() - 4));
}

void drawHint(QPainter &p, const FaceSpec &f)
{
    const QRect r(0, 0, f.width, f.height);
    p.fillRect(r, kButtonGrey);
    p.setPen(QColor(96, 96, 96));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(Qt::black);
    p.setFont(pixelFont(10, false));
    p.drawText(r.adjusted(4, 4, -4, -14), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
               QString::fromLatin1(f.text));
    // An arrow down towards the button below.
    const int cx = f.width / 2;
    QPainterPath arrow;
    arrow.moveTo(cx - 5, f.height - 12);
    arrow.lineTo(cx + 5, f.height - 12);
    arrow.lineTo(cx, f.height - 5);
    arrow.closeSubpath();
    p.fillPath(arrow, Qt::black);
}

void drawMoreDirections(QPainter &p, const FaceSpec &f)
{
    const QRect r(0, 0, f.width, f.height);
    p.fillRect(r, kButtonGrey);
    drawBevel(p, r, false);
    p.fillRect(QRect(3, 3, f.width - 6, 20), titleGradient(f.width - 6));
    p.setPen(Qt::white);
    p.setFont(pixelFont(12, true));
    p.drawText(QRect(8, 3, f.width - 16, 20), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("More Directions"));
    p.fillRect(QRect(12, 32, f.width - 24, 118), Qt::white);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(QRect(12, 32, f.width - 25, 117));
    p.setPen(Qt::black);
    p.setFont(pixelFont(12, true));
    p.drawText(QRect(22, 40, f.width - 44, 104), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QString::fromLatin1(f.text));
    // The Return to Directions button drawn in the box, where the live button lies over it.
    const FaceSpec button{126, 162, 30, Look::RaisedButton, "Return to Directions"};
    p.save();
    p.translate(123, 166);
    drawButton(p, button, false);
    p.restore();
}

} // namespace

QSize FaceSize(int id)
{
    const FaceSpec *f = find(id);
    return f ? QSize(f->width, f->height) : QSize();
}

QPixmap LoadFace(int id)
{
    const FaceSpec *f = find(id);
    if (!f)
        return {};
    QImage image(f->width, f->height, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    switch (f->look) {
    case Look::RaisedButton: drawButton(p, *f, false); break;
    case Look::SunkenButton: drawButton(p, *f, true); break;
    case Look::IconUp:
    case Look::IconDown:
    case Look::IconGrey: drawIcon(p, *f); break;
    case Look::Caption: drawCaption(p, *f); break;
    case Look::Special:
        if (id == face::DirectionsHint)
            drawHint(p, *f);
        else if (id == face::MoreDirectionsBox)
            drawMoreDirections(p, *f);
        else
            drawTitleStrip(p, f->width, f->height);
        break;
    }
    p.end();
    return QPixmap::fromImage(image);
}

QPixmap ShadowStripRight(int height)
{
    QImage image(2, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        image.setPixelColor(0, y, QColor(172, 168, 153));
        image.setPixelColor(1, y, QColor(113, 111, 100));
    }
    return QPixmap::fromImage(image);
}

QPixmap ShadowStripBottom(int width)
{
    QImage image(width, 2, QImage::Format_RGB888);
    for (int x = 0; x < width; ++x) {
        image.setPixelColor(x, 0, QColor(172, 168, 153));
        image.setPixelColor(x, 1, QColor(113, 111, 100));
    }
    return QPixmap::fromImage(image);
}

} // namespace ixo
