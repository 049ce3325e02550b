#pragma once

#include <QPixmap>
#include <QSize>

namespace ixo {

// The pictures of the test screens, by id: button faces (up, pressed, greyed), the dialog captions and
// title strip, the directions hint and the More Directions box. Each is drawn anew on every load (nothing
// is cached), 24-bit, at the size of the catalogue.
QPixmap LoadFace(int id);
QSize FaceSize(int id); // an invalid size for an id outside 101..138

// Face ids by name.
namespace face {
enum : int {
    CutUp = 101, CutDown, PasteUp, PasteDown, UndoUp, UndoDown,
    QuitUp = 107, QuitDown, ExitUp, ExitDown, TimeUp, TimeDown,
    Help = 113, HelpGrey, QuitGrey, ExitGrey, TimeGrey,
    ReturnUp = 118, ReturnDown, ExitSectionUp, ExitSectionDown, QuitTestUp, QuitTestDown,
    ProceedUp = 124, ProceedDown, ReturnToDirectionsUp, ReturnToDirectionsDown,
    DismissUp = 128, DismissDown,
    CaptionExitSection = 130, CaptionQuitTest, CaptionTimeExpired, CaptionSectionEnd,
    DirectionsHint = 134, MoreDirectionsBox, DialogTitleStrip,
    WordCountUp = 137, WordCountDown,
};
}

// The two shadow strips of window-like panels: 2 pixels thick in two shades.
QPixmap ShadowStripRight(int height);
QPixmap ShadowStripBottom(int width);

} // namespace ixo
