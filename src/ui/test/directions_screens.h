#pragma once

#include "ui/test/directions_pictures.h"
#include "ui/test/directions_rules.h"
#include "ui/test/test_screen.h"

#include <QRect>

#include <cstdint>

class QLabel;
class QScrollBar;

namespace ixo {

class DialogPanel;
class ImageButton;
class Picture;

// Where the reading area of a directions screen lies, in twips within the window.
struct ReadingAreaPlaces
{
    QRect bar;       // the dark bar behind the position label
    QRect label;     // `Lab_Scroll`
    QRect frame;     // the thin black outline around the viewport (empty: none)
    QRect viewport;  // `Picture2`
    QRect scrollBar; // `scroll`
};

// What the three directions screens share: the title strip, and the reading area in which the candidate
// pages through a tall picture (`scro` in the white viewport `Picture2`) with the scroll bar `scroll`,
// while `Lab_Scroll` tells whether there is more to read. The bar takes single steps from arrows and track
// alike, and a dragged thumb moves the picture when it is released.
class DirectionsScreen : public TestScreen
{
    Q_OBJECT

public slots:
    // The paging rule: moves the picture to the scroll bar's value and sets the position label.
    void scroll_Change();

protected:
    DirectionsScreen(const QString &name, DirectionsText text, const DirectionsPaging &paging);

    // The dark title strip with `Lab_Title` and `Lab_Top` ("Directions" or "Information").
    void addTitleStrip(const QString &title, int titleLeft, int titleWidth, const QString &top);
    void addReadingArea(const ReadingAreaPlaces &places);
    // Sets `Lab_Top`, narrowing the face when the word is wider than the label.
    void setTopText(const QString &text);
    // Called by the paging rule with what the new value shows.
    virtual void pageShown(const PagePosition &) {}

    QScrollBar *scrollBar() const { return m_scroll; }

private:
    DirectionsText m_text;
    DirectionsPaging m_paging;
    QLabel *m_labTop = nullptr;
    QLabel *m_labScroll = nullptr;
    QLabel *m_scro = nullptr;
    QScrollBar *m_scroll = nullptr;
};

// A directions screen that the candidate leaves with Dismiss Directions (`dismiss`, beside the hint picture
// `hint`). Until the candidate has paged to the end, the first Dismiss Directions shows the More Directions
// box `Picture3` instead; after it, or after the end, Dismiss Directions leaves the directions.
class DismissibleDirections : public DirectionsScreen
{
    Q_OBJECT

public:
    // -1 once Dismiss Directions leaves the directions; never cleared.
    std::int16_t DismissAllowed = 0;

public slots:
    // The dismiss rule.
    void dismiss_Click();
    // Return to Directions in the More Directions box.
    void retdir_Click();

protected:
    using DirectionsScreen::DirectionsScreen;

    // The hint picture, Dismiss Directions and the hidden More Directions box with its Return to Directions
    // button (`retdir`).
    void addDismissColumn(int hintLeft, int hintTop, int dismissTop, int boxLeft);
    void pageShown(const PagePosition &position) override;
    // Leaves the directions (Dismiss Directions once allowed).
    virtual void leaveDirections() = 0;
    // Enables or disables what the candidate reads with while the More Directions box is shown.
    virtual void setReadingEnabled(bool enabled);

    ImageButton *dismissButton() const { return m_dismiss; }

private:
    ImageButton *m_dismiss = nullptr;
    Picture *m_box = nullptr;
};

// The general directions: three boxes of information on the test, then a finish panel whose Proceed
// (`proceed`) opens the Issue section information.
class pro1 final : public DismissibleDirections
{
    Q_OBJECT

public:
    pro1();

public slots:
    void proceed_Click();

protected:
    void leaveDirections() override;

private:
    DialogPanel *m_finish = nullptr;
};

// The Issue section information; Proceed (`proceed`) opens the Issue topic selection at any position.
class pro2 final : public DirectionsScreen
{
    Q_OBJECT

public:
    pro2();

public slots:
    void proceed_Click();
};

// The Section 2 directions: the Section 2 clock `timing` (not running here), the Quit Test and Time icons,
// and the Quit Test dialog `Picture4` with Return to Where I Was (`Image1`) and Quit Test (`Image3`).
// Dismiss Directions opens the Argument writing screen.
class pro6 final : public DismissibleDirections
{
    Q_OBJECT

public:
    pro6();

public slots:
    void Form_Load();
    void tquit_Click();
    void stime_Click();
    void Image1_Click();
    void Image3_Click();

protected:
    void leaveDirections() override;
    void setReadingEnabled(bool enabled) override;

private:
    QLabel *m_timing = nullptr;
    ImageButton *m_tquit = nullptr;
    ImageButton *m_squit = nullptr;
    ImageButton *m_stime = nullptr;
    ImageButton *m_help = nullptr;
    DialogPanel *m_quitDialog = nullptr;
};

} // namespace ixo
