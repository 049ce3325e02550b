#include "ui/test/directions_pictures.h"

#include "ui/look.h"

#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

namespace ixo {

namespace {

// The parts of a directions text, in reading order.
struct Part
{
    enum Kind { Heading, BoxOpen, Paragraph, BoxClose } kind;
    QString text;
    bool bullet = false;
};

QList<Part> parse(const QString &source)
{
    QList<Part> parts;
    bool inParagraph = false;
    const QStringList lines = source.split(QLatin1Char('\n'));
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty()) {
            inParagraph = false;
        } else if (line.startsWith(QLatin1String("# "))) {
            parts.append(Part{Part::Heading, line.mid(2).trimmed()});
            inParagraph = false;
        } else if (line == QLatin1String("[/]")) {
            parts.append(Part{Part::BoxClose, {}});
            inParagraph = false;
        } else if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            parts.append(Part{Part::BoxOpen, line.mid(1, line.size() - 2).trimmed()});
            inParagraph = false;
        } else if (line.startsWith(QLatin1String("- "))) {
            parts.append(Part{Part::Paragraph, line.mid(2).trimmed(), true});
            inParagraph = true;
        } else if (inParagraph) {
            parts.last().text += QLatin1Char(' ') + line;
        } else {
            parts.append(Part{Part::Paragraph, line});
            inParagraph = true;
        }
    }
    return parts;
}

constexpr int kMargin = 10;       // white border around the text
constexpr int kBoxPadding = 10;   // between a box's outline and its text
constexpr int kBoxBottom = 9;     // below the last paragraph of a box
constexpr int kBulletIndent = 15; // from the bullet to its text

QFont headingFont()
{
    QFont font = look::SystemFont();
    font.setPixelSize(15);
    return font;
}

// Lays `text` out in lines of `width` pixels; returns the layout's height.
int layOut(QTextLayout &layout, const QString &text, const QFont &font, int width)
{
    layout.setText(text);
    layout.setFont(font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    const int leading = 1;
    qreal y = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height() + leading;
    }
    layout.endLayout();
    return qCeil(y);
}

// Each part with its height, the gap above it and how much of the spare height that gap takes.
struct Placed
{
    Part part;
    int height = 0;
    int gap = 0;
    int stretch = 0;
};

} // namespace

QSize DirectionsPictureSize(DirectionsText text)
{
    switch (text) {
    case DirectionsText::General:
        return {518, 650};
    case DirectionsText::Issue:
        return {590, 500};
    case DirectionsText::Argument:
        return {518, 570};
    }
    return {};
}

DirectionsPicture DrawDirections(DirectionsText text)
{
    QString name;
    switch (text) {
    case DirectionsText::General:
        name = QStringLiteral(":/directions/general.txt");
        break;
    case DirectionsText::Issue:
        name = QStringLiteral(":/directions/issue.txt");
        break;
    case DirectionsText::Argument:
        name = QStringLiteral(":/directions/argument.txt");
        break;
    }
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        // Only a broken build lacks the texts; say so in the picture rather than show it empty.
        DirectionsPicture missing =
            DrawDirections(QStringLiteral("The directions text %1 is missing.").arg(name), DirectionsPictureSize(text));
        missing.fits = false;
        return missing;
    }
    return DrawDirections(QString::fromUtf8(file.readAll()), DirectionsPictureSize(text));
}

DirectionsPicture DrawDirections(const QString &source, QSize size)
{
    const QFont bodyFont = look::SystemFont();
    const QFont titleFont = headingFont();
    const QFontMetrics body(bodyFont);
    const int width = size.width();

    // Measure every part at its width, with the gaps between parts.
    QList<Placed> placed;
    bool inBox = false;
    for (const Part &part : parse(source)) {
        Placed p{part};
        const Part::Kind previous = placed.isEmpty() ? Part::Heading : placed.last().part.kind;
        const bool first = placed.isEmpty();
        switch (part.kind) {
        case Part::Heading:
            p.height = QFontMetrics(titleFont).height();
            p.gap = first ? 0 : 12;
            p.stretch = p.gap;
            break;
        case Part::BoxOpen:
            inBox = true;
            p.height = body.height() + 3;
            p.gap = first ? 0 : 14;
            p.stretch = p.gap;
            break;
        case Part::Paragraph: {
            int textWidth = width - 2 * kMargin - (inBox ? 2 * kBoxPadding : 0);
            if (part.bullet)
                textWidth -= kBulletIndent;
            QTextLayout layout;
            p.height = layOut(layout, part.text, bodyFont, textWidth);
            if (first) {
                p.gap = 0;
            } else if (previous == Part::BoxOpen) {
                p.gap = 2;
            } else if (previous == Part::Heading) {
                p.gap = 12;
                p.stretch = 12;
            } else {
                p.gap = part.bullet && placed.last().part.bullet ? 4 : 7;
                p.stretch = p.gap;
            }
            break;
        }
        case Part::BoxClose:
            inBox = false;
            p.height = kBoxBottom;
            break;
        }
        placed.append(p);
    }

    DirectionsPicture result;
    int natural = 2 * kMargin;
    int totalStretch = 0;
    for (const Placed &p : std::as_const(placed)) {
        natural += p.gap + p.height;
        totalStretch += p.stretch;
    }
    result.contentHeight = natural;
    result.fits = natural <= size.height();

    // Spread the spare height over the stretchable gaps, in proportion to their size.
    const int spare = qMax(0, size.height() - natural);
    int handed = 0;
    int stretchSoFar = 0;
    for (Placed &p : placed) {
        if (!p.stretch || !totalStretch)
            continue;
        stretchSoFar += p.stretch;
        const int share = spare * stretchSoFar / totalStretch - handed;
        p.gap += share;
        handed += share;
    }

    result.image = QImage(size, QImage::Format_RGB888);
    result.image.fill(Qt::white);
    QPainter painter(&result.image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::black);

    int y = kMargin;
    int boxTop = 0;
    QString boxTitle;
    inBox = false;
    for (const Placed &p : std::as_const(placed)) {
        y += p.gap;
        switch (p.part.kind) {
        case Part::Heading:
            painter.setFont(titleFont);
            painter.drawText(QRect(kMargin, y, width - 2 * kMargin, p.height), Qt::AlignCenter, p.part.text);
            break;
        case Part::BoxOpen:
            inBox = true;
            boxTop = y;
            boxTitle = p.part.text;
            break;
        case Part::Paragraph: {
            int left = kMargin + (inBox ? kBoxPadding : 0);
            int textWidth = width - 2 * left;
            if (p.part.bullet) {
                // A small square bullet on the first line's middle.
                painter.fillRect(QRect(left + 3, y + body.ascent() - body.xHeight() / 2 - 2, 5, 5), Qt::black);
                left += kBulletIndent;
                textWidth -= kBulletIndent;
            }
            QTextLayout layout;
            layOut(layout, p.part.text, bodyFont, textWidth);
            layout.draw(&painter, QPointF(left, y));
            break;
        }
        case Part::BoxClose: {
            inBox = false;
            // The outline runs through the middle of the title, which stands on white.
            const int outlineTop = boxTop + body.height() / 2;
            painter.setPen(Qt::black);
            painter.drawRect(QRect(kMargin, outlineTop, width - 2 * kMargin - 1, y + p.height - outlineTop - 1));
            painter.setFont(bodyFont);
            const int titleWidth = body.horizontalAdvance(boxTitle);
            painter.fillRect(QRect(kMargin + 8, boxTop, titleWidth + 8, body.height()), Qt::white);
            painter.drawText(QRect(kMargin + 12, boxTop, titleWidth, body.height()), Qt::AlignLeft | Qt::AlignVCenter,
                             boxTitle);
            break;
        }
        }
        y += p.height;
    }
    painter.end();
    return result;
}

} // namespace ixo
