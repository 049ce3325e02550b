#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace ixo {

// The three tall pictures that the directions screens page through.
enum class DirectionsText { General, Issue, Argument };

// The picture's size in pixels: the paging steps of each screen are laid out for exactly these heights.
QSize DirectionsPictureSize(DirectionsText text);

struct DirectionsPicture
{
    QImage image;
    int contentHeight = 0; // pixels the text needs before spare height is spread between its parts
    bool fits = false;     // whether the whole text fits the picture
};

// Draws the directions text kept with the program into its picture.
DirectionsPicture DrawDirections(DirectionsText text);

// Draws `source` into a white picture of `size`, in the screens' bold face. The source is plain text:
//   "# text"   a heading, centred
//   "[Title]"  opens a box with that title on its outline; "[/]" closes it
//   "- text"   a paragraph set off with a bullet
//   any other line continues the paragraph above it; an empty line ends a paragraph.
// Spare height is spread between the paragraphs and boxes, so that the text runs to the picture's end.
DirectionsPicture DrawDirections(const QString &source, QSize size);

} // namespace ixo
