#include "ui/test/directions_screens.h"

#include "app/road.h"
#include "app/test_state.h"
#include "ui/look.h"
#include "ui/test/clock_format_rules.h"
#include "ui/test/faces.h"
#include "ui/test/image_button.h"

#include <QFontMetrics>
#include <QScrollBar>

namespace ixo {

using look::Place;
using look::Px;

namespace {

void placeChild(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    if (auto *child = parent->findChild<QWidget *>(QLatin1String(name), Qt::FindDirectChildrenOnly))
        Place(child, left, top, width, height);
}

// The title strip of a window-like panel lies over the tops of the panel's outlines, as a window's title bar
// over its frame.
void raiseTitle(DialogPanel *panel)
{
    panel->titleBack()->raise();
    if (panel->titleCap())
        panel->titleCap()->raise();
}

} // namespace

// --- DirectionsScreen ---------------------------------------------------------------------------------

DirectionsScreen::DirectionsScreen(const QString &name, DirectionsText text, const DirectionsPaging &paging)
    : TestScreen(name), m_text(text), m_paging(paging)
{
}

void DirectionsScreen::addTitleStrip(const QString &title, int titleLeft, int titleWidth, const QString &top)
{
    addStrip(picture1(), QStringLiteral("TitleStrip"), 0, 0, 9600, 315);
    addStripLabel(picture1(), QStringLiteral("Lab_Title"), title, titleLeft, 90, titleWidth, 210);
    m_labTop = addStripLabel(picture1(), QStringLiteral("Lab_Top"), QString(), 8290, 90, 1155, 210,
                             Qt::AlignRight | Qt::AlignVCenter);
    setTopText(top);
}

void DirectionsScreen::setTopText(const QString &text)
{
    // The screen font is wider than the one these strips were laid out for: a word that does not fit the
    // label ("Information") is set narrower rather than cut off.
    QFont font = look::SystemFont();
    const int room = m_labTop->width();
    for (int stretch : {QFont::SemiCondensed, QFont::Condensed})
        if (QFontMetrics(font).horizontalAdvance(text) > room)
            font.setStretch(stretch);
    while (QFontMetrics(font).horizontalAdvance(text) > room && font.pixelSize() > 9)
        font.setPixelSize(font.pixelSize() - 1);
    m_labTop->setFont(font);
    m_labTop->setText(text);
}

void DirectionsScreen::addReadingArea(const ReadingAreaPlaces &places)
{
    const QRect &bar = places.bar;
    addStrip(picture1(), QStringLiteral("bar"), bar.x(), bar.y(), bar.width(), bar.height());
    const QRect &label = places.label;
    m_labScroll = addStripLabel(picture1(), QStringLiteral("Lab_Scroll"), QStringLiteral("Beginning"), label.x(),
                                label.y(), label.width(), label.height(), Qt::AlignRight | Qt::AlignVCenter);
    if (!places.frame.isEmpty()) {
        const QRect &f = places.frame;
        addRect(picture1(), QStringLiteral("frame"), {}, Qt::black, f.x(), f.y(), f.width(), f.height());
    }

    auto *viewport = new QWidget(picture1());
    viewport->setObjectName(QStringLiteral("Picture2"));
    const QRect &v = places.viewport;
    Place(viewport, v.x(), v.y(), v.width(), v.height());
    viewport->setAutoFillBackground(true);
    QPalette pal = viewport->palette();
    pal.setColor(QPalette::Window, look::White);
    viewport->setPalette(pal);

    m_scro = new QLabel(viewport);
    m_scro->setObjectName(QStringLiteral("scro"));
    const QPixmap picture = QPixmap::fromImage(DrawDirections(m_text).image);
    m_scro->setPixmap(picture);
    m_scro->setGeometry(0, 0, picture.width(), picture.height());

    m_scroll = new QScrollBar(Qt::Vertical, picture1());
    m_scroll->setObjectName(QStringLiteral("scroll"));
    const QRect &s = places.scrollBar;
    Place(m_scroll, s.x(), s.y(), s.width(), s.height());
    m_scroll->setRange(0, m_paging.max);
    m_scroll->setSingleStep(1);
    m_scroll->setPageStep(1);
    m_scroll->setTracking(false); // a dragged thumb pages when it is released
    connect(m_scroll, &QScrollBar::valueChanged, this, &DirectionsScreen::scroll_Change);
}

void DirectionsScreen::scroll_Change()
{
    const PagePosition position = PageDirections(m_paging, m_scroll->value());
    m_scro->move(0, Px(position.pictureTopTwips));
    m_labScroll->setText(position.label);
    pageShown(position);
}

// --- DismissibleDirections ----------------------------------------------------------------------------

void DismissibleDirections::addDismissColumn(int hintLeft, int hintTop, int dismissTop, int boxLeft)
{
    addPicture(picture1(), QStringLiteral("hint"), face::DirectionsHint, hintLeft, hintTop);
    m_dismiss = addButton(picture1(), QStringLiteral("dismiss"), face::DismissUp, face::DismissDown, 8410, dismissTop);
    connect(m_dismiss, &ImageButton::clicked, this, &DismissibleDirections::dismiss_Click);

    m_box = addPicture(picture1(), QStringLiteral("Picture3"), face::MoreDirectionsBox, boxLeft, 1440);
    // The live button lies on the one drawn in the box's picture.
    auto *retdir = addButton(m_box, QStringLiteral("retdir"), face::ReturnToDirectionsUp, face::ReturnToDirectionsDown,
                             1850, 2490);
    connect(retdir, &ImageButton::clicked, this, &DismissibleDirections::retdir_Click);
    m_box->hide();
}

void DismissibleDirections::pageShown(const PagePosition &position)
{
    if (position.atEnd)
        DismissAllowed = -1;
}

void DismissibleDirections::dismiss_Click()
{
    if (DismissAllowed != -1) {
        // Not read to the end: say so once; after that Dismiss Directions leaves the directions.
        m_box->show();
        m_box->raise();
        setReadingEnabled(false);
        DismissAllowed = -1;
        return;
    }
    leaveDirections();
}

void DismissibleDirections::retdir_Click()
{
    m_box->hide();
    setReadingEnabled(true);
}

void DismissibleDirections::setReadingEnabled(bool enabled)
{
    scrollBar()->setEnabled(enabled);
    m_dismiss->setActive(enabled);
}

// --- pro1 ---------------------------------------------------------------------------------------------

pro1::pro1() : DismissibleDirections(QStringLiteral("pro1"), DirectionsText::General, GeneralDirectionsPaging)
{
    addTitleStrip(QStringLiteral("Practice Test"), 4170, 1335, QStringLiteral("Directions"));
    addReadingArea({QRect(210, 525, 8085, 270), QRect(5980, 540, 2175, 245), QRect(210, 780, 8080, 5720),
                    QRect(220, 790, 7790, 5680), QRect(8010, 800, 270, 5680)});
    addDismissColumn(8360, 520, 1930, 1500);

    // The finish panel: the dialog pattern without a caption, set 15 twips further left inside.
    m_finish = new DialogPanel(picture1(), QStringLiteral("Picture4"), 180, 480, 9255, 6030, false);
    Place(m_finish->titleBack(), -15, 0, 9270, 435);
    placeChild(m_finish, "Line_Right", 9225, 410, 30, 5610);
    placeChild(m_finish, "Line_Bottom", -15, 6000, 9270, 30);
    placeChild(m_finish, "Shape8", 15, 360, 9210, 5645);
    placeChild(m_finish, "Shape7", 45, 360, 9145, 5025);
    raiseTitle(m_finish);
    addTextLabel(m_finish, QStringLiteral("Lab_Finish"),
                 QStringLiteral("You have finished the general directions about the test; now you are ready to "
                                "begin."),
                 1590, 2460, 5895, 855);
    auto *proceed = addButton(m_finish, QStringLiteral("proceed"), face::ProceedUp, face::ProceedDown, 3360, 5430);
    connect(proceed, &ImageButton::clicked, this, &pro1::proceed_Click);
}

void pro1::leaveDirections()
{
    m_finish->show();
    m_finish->raise();
    setReadingEnabled(false);
    setTopText(QStringLiteral("Information"));
}

void pro1::proceed_Click()
{
    handOver(Screen::Pro2);
}

// --- pro2 ---------------------------------------------------------------------------------------------

pro2::pro2() : DirectionsScreen(QStringLiteral("pro2"), DirectionsText::Issue, IssueDirectionsPaging)
{
    addTitleStrip(QStringLiteral("Practice Test"), 4170, 1335, QStringLiteral("Information"));

    // A window-like white panel with its title strip and shadow strips.
    addRect(picture1(), QStringLiteral("panel"), look::White, QColor(232, 232, 232), 170, 840, 9275, 5685);
    auto *right = new QLabel(picture1());
    right->setObjectName(QStringLiteral("Line_Right"));
    right->setPixmap(ShadowStripRight(374));
    Place(right, 9400, 880, 30, 5610);
    auto *bottom = new QLabel(picture1());
    bottom->setObjectName(QStringLiteral("Line_Bottom"));
    bottom->setPixmap(ShadowStripBottom(618));
    Place(bottom, 170, 6490, 9270, 30);
    addRect(picture1(), QStringLiteral("Shape8"), {}, look::Grey, 200, 840, 9205, 5655);
    addRect(picture1(), QStringLiteral("Shape7"), {}, Qt::black, 225, 840, 9155, 5045);
    auto *titleBack = new Picture(picture1(), QStringLiteral("titleback"), face::DialogTitleStrip);
    Place(titleBack, 170, 480, 9270, 435); // over the tops of the outlines

    addReadingArea({QRect(240, 915, 9135, 255), QRect(7060, 920, 2175, 240), QRect(), QRect(240, 1170, 8850, 4695),
                    QRect(9100, 1170, 255, 4695)});
    addRect(picture1(), QStringLiteral("Line1"), Qt::black, {}, 225, 1160, 9155, 15);
    auto *proceed = addButton(picture1(), QStringLiteral("proceed"), face::ProceedUp, face::ProceedDown, 3540, 5930);
    connect(proceed, &ImageButton::clicked, this, &pro2::proceed_Click);
}

void pro2::proceed_Click()
{
    handOver(Screen::Pro3);
}

// --- pro6 ---------------------------------------------------------------------------------------------

pro6::pro6() : DismissibleDirections(QStringLiteral("pro6"), DirectionsText::Argument, ArgumentDirectionsPaging)
{
    addTitleStrip(QStringLiteral("Practice Test - Section 2"), 3630, 2535, QStringLiteral("Directions"));
    m_timing = addStripLabel(picture1(), QStringLiteral("timing"), QStringLiteral("00:30"), 75, 75, 1125, 210);
    m_timing->setFont(look::SansFont(true));
    addReadingArea({QRect(210, 525, 8085, 270), QRect(5980, 540, 2175, 245), QRect(210, 780, 8080, 5720),
                    QRect(220, 800, 7790, 5680), QRect(8020, 810, 255, 5670)});
    addDismissColumn(8355, 525, 1940, 1550);

    // The toolbar: Exit Section and Help are shown but do nothing here.
    m_tquit = addButton(picture1(), QStringLiteral("tquit"), face::QuitUp, face::QuitDown, 160, 6590, face::QuitGrey);
    connect(m_tquit, &ImageButton::clicked, this, &pro6::tquit_Click);
    m_squit = addButton(picture1(), QStringLiteral("squit"), face::ExitGrey, 0, 870, 6585);
    m_squit->setActive(false);
    m_stime = addButton(picture1(), QStringLiteral("stime"), face::TimeUp, face::TimeDown, 1580, 6590, face::TimeGrey);
    connect(m_stime, &ImageButton::clicked, this, &pro6::stime_Click);
    m_help = addButton(picture1(), QStringLiteral("help"), face::Help, 0, 8760, 6585);
    m_help->setActive(false);

    m_quitDialog = new DialogPanel(picture1(), QStringLiteral("Picture4"), 165, 480, 9270, 6045);
    m_quitDialog->titleCap()->setFace(face::CaptionQuitTest);
    raiseTitle(m_quitDialog);
    addQuitTestTexts(m_quitDialog);
    auto *back = addButton(m_quitDialog, QStringLiteral("Image1"), face::ReturnUp, face::ReturnDown, DialogButtonLeft,
                           DialogButtonTop);
    connect(back, &ImageButton::clicked, this, &pro6::Image1_Click);
    auto *quit = addButton(m_quitDialog, QStringLiteral("Image3"), face::QuitTestUp, face::QuitTestDown,
                           DialogButtonRight, DialogButtonTop);
    connect(quit, &ImageButton::clicked, this, &pro6::Image3_Click);

    Form_Load();
}

void pro6::Form_Load()
{
    // Section 2 starts from its full time; reading these directions costs none of it.
    TestState &state = State();
    const std::int16_t minutes = Settings().ArgumentMinutes;
    state.MinutesLeft = minutes;
    state.SecondsLeft = 60;
    m_timing->setText(minutes == -1 ? QStringLiteral("Unlimited") : ClockText(minutes));
    state.MinutesLeft = static_cast<std::int16_t>(state.MinutesLeft - 1);
}

void pro6::setReadingEnabled(bool enabled)
{
    DismissibleDirections::setReadingEnabled(enabled);
    m_tquit->setActive(enabled);
    m_stime->setActive(enabled);
}

void pro6::stime_Click()
{
    m_timing->setVisible(m_timing->isHidden());
}

void pro6::tquit_Click()
{
    m_tquit->setGreyed(true);
    m_stime->setGreyed(true);
    m_help->setFace(face::HelpGrey);
    m_quitDialog->show();
    m_quitDialog->raise();
}

void pro6::Image1_Click()
{
    m_quitDialog->hide();
    m_tquit->setGreyed(false);
    m_stime->setGreyed(false);
    m_help->setFace(face::Help);
}

void pro6::Image3_Click()
{
    handOverToReview();
}

void pro6::leaveDirections()
{
    const bool clockShown = !m_timing->isHidden();
    QWidget *next = ShowScreen(Screen::Pro7);
    // A clock hidden here with Time stays hidden on the writing screen.
    if (QWidget *clock = next ? next->findChild<QWidget *>(QStringLiteral("timing")) : nullptr)
        clock->setVisible(clockShown);
    close();
}

} // namespace ixo
