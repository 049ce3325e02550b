#include "ui/test/test_screen.h"

#include "platform/display_mode.h"
#include "ui/look.h"
#include "ui/test/faces.h"
#include "ui/test/image_button.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace ixo {

using look::Place;
using look::Px;

Shape::Shape(QWidget *parent, const QString &name, const QColor &fill, const QColor &outline)
    : QWidget(parent), m_fill(fill), m_outline(outline)
{
    setObjectName(name);
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_fill.isValid())
        p.fillRect(rect(), m_fill);
    if (m_outline.isValid()) {
        p.setPen(m_outline);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

Picture::Picture(QWidget *parent, const QString &name, int faceId) : QLabel(parent)
{
    setObjectName(name);
    if (faceId)
        setFace(faceId);
}

void Picture::setFace(int id)
{
    m_face = id;
    setPixmap(LoadFace(id));
}

TestScreen::TestScreen(const QString &name) : QWidget(nullptr, Qt::FramelessWindowHint)
{
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("IXO"));
    setFixedSize(640, 480);
    m_picture1 = new QWidget(this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setGeometry(0, 0, 640, 480);
    m_picture1->setAutoFillBackground(true);
    QPalette pal = m_picture1->palette();
    pal.setColor(QPalette::Window, look::Grey);
    m_picture1->setPalette(pal);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TestScreen::handOver(Screen next)
{
    ShowScreen(next);
    close();
}

void TestScreen::handOverToReview()
{
    RestoreSavedDisplayMode();
    handOver(Screen::Over);
}

Shape *TestScreen::addStrip(QWidget *parent, const QString &name, int left, int top, int width, int height)
{
    return addRect(parent, name, look::Strip, {}, left, top, width, height);
}

namespace {

// A plain-text label in the screen font, in one colour.
QLabel *screenLabel(QWidget *parent, const QString &name, const QString &text, const QColor &colour, int left,
                    int top, int width, int height, Qt::Alignment align)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(look::SystemFont());
    label->setAlignment(align);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    Place(label, left, top, width, height);
    return label;
}

} // namespace

QLabel *TestScreen::addStripLabel(QWidget *parent, const QString &name, const QString &text, int left, int top,
                                  int width, int height, Qt::Alignment align)
{
    return screenLabel(parent, name, text, Qt::white, left, top, width, height, align);
}

QLabel *TestScreen::addTextLabel(QWidget *parent, const QString &name, const QString &text, int left, int top,
                                 int width, int height, Qt::Alignment align)
{
    QLabel *label = screenLabel(parent, name, text, Qt::black, left, top, width, height, align);
    label->setWordWrap(true);
    return label;
}

ImageButton *TestScreen::addButton(QWidget *parent, const QString &name, int upFace, int pressedFace, int left,
                                   int top, int greyFace)
{
    auto *button = new ImageButton(parent, name, upFace, pressedFace, greyFace);
    button->move(Px(left), Px(top));
    return button;
}

Shape *TestScreen::addRect(QWidget *parent, const QString &name, const QColor &fill, const QColor &outline,
                           int left, int top, int width, int height)
{
    auto *shape = new Shape(parent, name, fill, outline);
    Place(shape, left, top, width, height);
    return shape;
}

Picture *TestScreen::addPicture(QWidget *parent, const QString &name, int faceId, int left, int top)
{
    auto *picture = new Picture(parent, name, faceId);
    picture->move(Px(left), Px(top));
    picture->resize(picture->sizeHint());
    return picture;
}

QWidget *TestScreen::addQuitTestTexts(DialogPanel *panel)
{
    auto *texts = new QWidget(panel);
    texts->setObjectName(QStringLiteral("Lab_2"));
    Place(texts, 1425, 1155, 6735, 3495);
    addTextLabel(texts, QStringLiteral("Label1"),
                 QStringLiteral("Once you quit the test, you CANNOT return to this testing session."), 0, 0, 6495, 375);
    addTextLabel(texts, QStringLiteral("Label2"),
                 QStringLiteral("Your scores for this testing session will be canceled and there will be no scores "
                                "for this test on your GRE record.  Once a score is canceled it cannot be "
                                "reinstated."),
                 0, 720, 6375, 855);
    addTextLabel(texts, QStringLiteral("Label3"),
                 QStringLiteral("You may take the General Test once per calendar month, up     to a maximum of five "
                                "times in a 12-month period, even if you cancel your scores.  If you test more than "
                                "once per month, or more than five times in a 12-month period, your new scores will "
                                "not be reported, your test fee will be forfeited, and you may be banned from "
                                "future testing."),
                 0, 1920, 6255, 1575);
    return texts;
}

DialogPanel::DialogPanel(QWidget *parent, const QString &name, int left, int top, int width, int height,
                         bool withCaption)
    : QWidget(parent)
{
    setObjectName(name);
    Place(this, left, top, width, height);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    m_titleBack = new Picture(this, QStringLiteral("titleback"), face::DialogTitleStrip);
    m_titleBack->setGeometry(0, 0, Px(9270), Px(435));
    if (withCaption) {
        m_titleCap = new Picture(this, QStringLiteral("title_cap"));
        m_titleCap->move(Px(75), Px(165));
        m_titleCap->resize(Px(1905), Px(165));
        m_titleCap->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    auto *right = new QLabel(this);
    right->setObjectName(QStringLiteral("Line_Right"));
    right->setPixmap(ShadowStripRight(374));
    right->setGeometry(Px(width - 30), Px(420), 2, Px(5610));
    auto *bottom = new QLabel(this);
    bottom->setObjectName(QStringLiteral("Line_Bottom"));
    bottom->setPixmap(ShadowStripBottom(618));
    bottom->setGeometry(0, Px(height - 30), Px(9270), 2);
    auto *outer = new Shape(this, QStringLiteral("Shape8"), {}, QColor(192, 192, 192));
    Place(outer, 30, 360, 9210, 5655);
    auto *inner = new Shape(this, QStringLiteral("Shape7"), {}, Qt::black);
    Place(inner, 60, 360, 9150, 5040);
    // The title strip and its caption lie over the tops of the outlines.
    m_titleBack->raise();
    if (m_titleCap)
        m_titleCap->raise();
    hide();
}

} // namespace ixo
