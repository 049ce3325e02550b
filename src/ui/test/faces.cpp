#include "ui/test/faces.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace ixo {

namespace {

enum class Look {
    RaisedButton, // grey bevelled push button with black text
    SunkenButton, // the same, pressed: darker, bevel inverted
    IconUp,       // toolbar icon: white face, black drawing
    IconDown,     // toolbar icon pressed: black face, white drawing
    IconGrey,     // toolbar icon greyed by an open dialog
    Caption,      // dialog caption text on the title strip
    Special,      // drawn by its own function
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

QFont pixelFont(int pixels, bool bold, bool condensed = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    if (condensed)
        font.setStretch(QFont::Condensed);
    return font;
}

// The largest font, from `largest` pixels down to `smallest`, in which every one of `lines` is at most `width`
// pixels wide and its inked height at most `height`.
QFont fittingFont(const QStringList &lines, int width, int height, int largest, int smallest, bool condensed)
{
    for (int px = largest; px > smallest; --px) {
        const QFont font = pixelFont(px, true, condensed);
        const QFontMetrics fm(font);
        bool fits = true;
        for (const QString &line : lines)
            fits = fits && fm.horizontalAdvance(line) <= width && fm.tightBoundingRect(line).height() <= height;
        if (fits)
            return font;
    }
    return pixelFont(smallest, true, condensed);
}

// The largest font in which `text`, wrapped at word boundaries, fits `box`.
QFont fittingWrappedFont(const QString &text, const QRect &box, int largest, int smallest, bool bold)
{
    for (int px = largest; px > smallest; --px) {
        const QFont font = pixelFont(px, bold);
        const QRect needed = QFontMetrics(font).boundingRect(box, Qt::TextWordWrap | Qt::AlignHCenter, text);
        if (needed.height() <= box.height() && needed.width() <= box.width())
            return font;
    }
    return pixelFont(smallest, bold);
}

// The classic raised bevel of a push button: black frame, white light at the top left, two shades of dark at
// the bottom right. Pressed, the frame keeps its black edge and the inside shows a single dark shadow at the
// top left, as a button pushed into the surface.
void drawBevel(QPainter &p, const QRect &r, bool sunken)
{
    p.setPen(Qt::black);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    const QRect in = r.adjusted(1, 1, -2, -2);
    if (sunken) {
        p.setPen(QColor(96, 96, 96));
        p.drawLine(in.topLeft(), in.topRight());
        p.drawLine(in.topLeft(), in.bottomLeft());
        return;
    }
    p.setPen(Qt::white);
    p.drawLine(in.topLeft(), in.topRight() - QPoint(1, 0));
    p.drawLine(in.topLeft(), in.bottomLeft() - QPoint(0, 1));
    p.setPen(QColor(64, 64, 64));
    p.drawLine(in.bottomLeft(), in.bottomRight());
    p.drawLine(in.topRight(), in.bottomRight());
    p.setPen(QColor(128, 128, 128));
    const QRect in2 = in.adjusted(1, 1, -1, -1);
    p.drawLine(in2.bottomLeft(), in2.bottomRight());
    p.drawLine(in2.topRight(), in2.bottomRight());
}

void drawButton(QPainter &p, const FaceSpec &f, bool sunken)
{
    const QRect r(0, 0, f.width, f.height);
    p.fillRect(r, sunken ? kButtonDark : kButtonGrey);
    drawBevel(p, r, sunken);
    // All push buttons of one width share one size of text: the size that fits the longest of them.
    QStringList texts;
    for (const FaceSpec &other : kFaces)
        if ((other.look == Look::RaisedButton || other.look == Look::SunkenButton) && qAbs(other.width - f.width) <= 1)
            texts.append(QString::fromLatin1(other.text));
    if (texts.isEmpty())
        texts.append(QString::fromLatin1(f.text));
    p.setPen(Qt::black);
    p.setFont(fittingFont(texts, f.width - 10, f.height - 8, 12, 8, false));
    // Pressed, the text moves one pixel down and right with the face.
    const QRect textRect = r.adjusted(2, 1, -2, -1).translated(sunken ? 1 : 0, sunken ? 1 : 0);
    p.drawText(textRect, Qt::AlignCenter, QString::fromLatin1(f.text));
}

void drawClock(QPainter &p, const QRectF &r, const QColor &ink)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ink, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(r);
    const QPointF c = r.center();
    // Hour marks at twelve, three, six and nine.
    p.setPen(QPen(ink, 1.2));
    const qreal radius = r.width() / 2.0;
    p.drawLine(QPointF(c.x(), r.top() + 1.5), QPointF(c.x(), r.top() + 3.5));
    p.drawLine(QPointF(c.x(), r.bottom() - 1.5), QPointF(c.x(), r.bottom() - 3.5));
    p.drawLine(QPointF(r.left() + 1.5, c.y()), QPointF(r.left() + 3.5, c.y()));
    p.drawLine(QPointF(r.right() - 1.5, c.y()), QPointF(r.right() - 3.5, c.y()));
    // A long hand at twelve and a short hand at three.
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, QPointF(c.x(), c.y() - radius + 3.5));
    p.drawLine(c, QPointF(c.x() + radius - 5, c.y()));
    p.restore();
}

void drawIcon(QPainter &p, const FaceSpec &f)
{
    const QRect r(0, 0, f.width, f.height);
    QColor face = Qt::white;
    QColor ink = Qt::black;
    QColor edge = Qt::black;
    if (f.look == Look::IconDown) {
        face = Qt::black;
        ink = Qt::white;
    } else if (f.look == Look::IconGrey) {
        face = QColor(224, 224, 224);
        ink = QColor(150, 150, 150);
        edge = QColor(150, 150, 150);
    }
    p.fillRect(r, face);
    p.setPen(edge);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    const QStringList lines = QString::fromLatin1(f.text).split(QLatin1Char('\n'));
    p.setPen(ink);
    if (f.glyph == Glyph::None) {
        // Two words one over the other, all icons of a kind in one size: the size that fits the widest word
        // of the toolbar ("Section") or of the Dismiss Directions button ("Directions").
        const bool wide = f.width > 60;
        const QFont font = fittingFont({wide ? QStringLiteral("Directions") : QStringLiteral("Section")}, f.width - 6,
                                       14, 12, 8, !wide);
        p.setFont(font);
        const QFontMetrics fm(font);
        const int lineHeight = fm.height();
        const int top = (f.height - lineHeight * int(lines.size())) / 2;
        for (int i = 0; i < lines.size(); ++i)
            p.drawText(QRect(0, top + i * lineHeight, f.width, lineHeight), Qt::AlignCenter, lines[i]);
        return;
    }
    const QRectF glyphBox(f.width / 2.0 - 8.5, 3.5, 17, 17);
    if (f.glyph == Glyph::Clock) {
        drawClock(p, glyphBox, ink);
    } else if (f.glyph == Glyph::Question) {
        p.setFont(pixelFont(18, true));
        p.drawText(QRect(0, 1, f.width, 22), Qt::AlignCenter, QStringLiteral("?"));
    }
    p.setFont(fittingFont({QStringLiteral("Section")}, f.width - 6, 14, 12, 8, true));
    p.drawText(QRect(0, 22, f.width, 16), Qt::AlignCenter, lines.constLast());
}

QLinearGradient titleGradient(qreal width)
{
    QLinearGradient g(0, 0, width, 0);
    g.setColorAt(0, kTitleGrey);
    g.setColorAt(1, kTitleBlue);
    return g;
}

// Where a caption lies on the dialog title strip: 5 pixels from its left edge and 11 from its top.
constexpr int kCaptionLeft = 5;
constexpr int kTitleStripWidth = 618;

void drawCaption(QPainter &p, const FaceSpec &f)
{
    // Continue the title strip's gradient under the caption so that it blends into the strip.
    QLinearGradient g = titleGradient(kTitleStripWidth);
    p.save();
    p.translate(-kCaptionLeft, 0);
    p.fillRect(QRect(kCaptionLeft, 0, f.width, f.height), g);
    p.restore();
    // White bold text as large as the caption's height allows, its ink centred in the height.
    const QString text = QString::fromLatin1(f.text);
    const QFont font = fittingFont({text}, f.width - 2, f.height, 14, 6, false);
    p.setFont(font);
    const QRect ink = QFontMetrics(font).tightBoundingRect(text);
    const int baseline = (f.height - ink.height()) / 2 - ink.top();
    p.setPen(Qt::white);
    p.drawText(QPoint(1 - ink.left(), baseline), text);
}

void drawTitleStrip(QPainter &p, int width, int height)
{
    p.fillRect(QRect(0, 0, width, height), titleGradient(width));
    // The close box at the right end: a small grey raised button with a cross.
    const QRect box(width - 23, (height - 16) / 2, 18, 16);
    p.fillRect(box, kButtonGrey);
    drawBevel(p, box, false);
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(box.topLeft() + QPoint(5, 4), box.bottomRight() - QPoint(6, 5));
    p.drawLine(QPoint(box.right() - 6, box.top() + 4), QPoint(box.left() + 5, box.bottom() - 5));
}

void drawHint(QPainter &p, const FaceSpec &f)
{
    const QRect r(0, 0, f.width, f.height);
    p.fillRect(r, kButtonGrey);
    p.setPen(QColor(96, 96, 96));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(Qt::white);
    p.drawLine(1, 1, f.width - 2, 1);
    p.drawLine(1, 1, 1, f.height - 2);
    // The text above an arrow pointing down at the Dismiss Directions button.
    const QString text = QString::fromLatin1(f.text);
    const QRect textBox = r.adjusted(3, 4, -3, -16);
    p.setPen(Qt::black);
    p.setFont(fittingWrappedFont(text, textBox, 11, 7, true));
    p.drawText(textBox, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap, text);
    const int cx = f.width / 2;
    QPainterPath arrow;
    arrow.moveTo(cx - 2, f.height - 15);
    arrow.lineTo(cx + 2, f.height - 15);
    arrow.lineTo(cx + 2, f.height - 10);
    arrow.lineTo(cx + 6, f.height - 10);
    arrow.lineTo(cx, f.height - 4);
    arrow.lineTo(cx - 6, f.height - 10);
    arrow.lineTo(cx - 2, f.height - 10);
    arrow.closeSubpath();
    p.fillPath(arrow, Qt::black);
}

// Where the Return to Directions button is drawn in the More Directions box; the live button lies on it.
constexpr QPoint kMoreDirectionsButton(123, 166);

void drawMoreDirections(QPainter &p, const FaceSpec &f)
{
    const QRect r(0, 0, f.width, f.height);
    p.fillRect(r, kButtonGrey);
    drawBevel(p, r, false);
    p.fillRect(QRect(3, 3, f.width - 7, 20), titleGradient(f.width - 7));
    p.setPen(Qt::white);
    p.setFont(pixelFont(12, true));
    p.drawText(QRect(9, 3, f.width - 18, 20), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("More Directions"));
    const QRect message(12, 32, f.width - 24, 122);
    p.fillRect(message, Qt::white);
    p.setPen(QColor(128, 128, 128));
    p.drawLine(message.topLeft(), message.topRight());
    p.drawLine(message.topLeft(), message.bottomLeft());
    p.setPen(Qt::white);
    p.drawLine(message.bottomLeft() + QPoint(0, 1), message.bottomRight() + QPoint(1, 1));
    p.drawLine(message.topRight() + QPoint(1, 0), message.bottomRight() + QPoint(1, 1));
    p.setPen(Qt::black);
    const QRect textBox = message.adjusted(10, 8, -10, -6);
    const QString text = QString::fromLatin1(f.text);
    p.setFont(fittingWrappedFont(text, textBox, 12, 9, true));
    p.drawText(textBox, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    const FaceSpec button{face::ReturnToDirectionsUp, 162, 30, Look::RaisedButton, "Return to Directions"};
    p.save();
    p.translate(kMoreDirectionsButton);
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
    case Look::RaisedButton:
        drawButton(p, *f, false);
        break;
    case Look::SunkenButton:
        drawButton(p, *f, true);
        break;
    case Look::IconUp:
    case Look::IconDown:
    case Look::IconGrey:
        drawIcon(p, *f);
        break;
    case Look::Caption:
        drawCaption(p, *f);
        break;
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
