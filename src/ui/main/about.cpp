#include "ui/main/about.h"

#include "data/text_table.h"
#include "platform/shell.h"
#include "ui/fixed_window.h"
#include "ui/look.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace ixo {

namespace {

const QColor TitleBlue{0, 128, 255};
const QColor TextGrey{128, 128, 128};
const QColor SilverGrey{192, 192, 192};
const QColor AddressBlue{0, 0, 255};

QLabel *MakeLabel(QWidget *parent, const char *name, const QString &text, const QColor &colour, Qt::Alignment alignment,
                  int left, int top, int width, int height)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    look::Place(label, left, top, width, height);
    return label;
}

} // namespace

about::about(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("about"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(true);
    SetFixedSingleBorder(this, look::Px(4875), look::Px(1785), TitleButtons::CloseOnly);
    setFont(DialogFont());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, look::White);
    setPalette(palette);
    setAutoFillBackground(true);

    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;
    m_label1 = MakeLabel(this, "Label1", QStringLiteral("Ixoran 1.73"), TitleBlue, Qt::AlignHCenter | Qt::AlignTop, 240,
                         165, 4575, 495);
    QFont titleFont = look::SansFont(true);
    titleFont.setPixelSize(16); // 12 points on a 96 dpi screen
    m_label1->setFont(titleFont);

    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setPixmap(DrawLogo());
    look::Place(m_image1, 240, 600, 1500, 900);

    m_label3 = MakeLabel(this, "Label3", QString(), SilverGrey, left, 1800, 720, 2895, 375);
    m_label4 = MakeLabel(this, "Label4", QString(), TextGrey, Qt::AlignRight | Qt::AlignTop, 2400, 1440, 1335, 255);
    m_label5 = MakeLabel(this, "Label5", QStringLiteral("2007.8.16"), TextGrey, left, 3840, 1440, 855, 255);

    // The address as plain text, shortened in the middle when the label cannot hold it.
    const QString address = HomepageAddress();
    m_label6 = MakeLabel(this, "Label6", QString(), AddressBlue, left, 240, 1440, 2175, 255);
    m_label6->setText(QFontMetrics(m_label6->font()).elidedText(address, Qt::ElideMiddle, m_label6->width()));
    m_label6->setToolTip(address);

    for (QLabel *label : {m_label1, m_image1, m_label3, m_label4, m_label5, m_label6})
        label->installEventFilter(this);

    Form_Load();
    CentreOnScreen(this);
}

void about::Form_Load()
{
    setWindowTitle(LoadText(65));
    m_label3->setText(LoadText(66));
    m_label4->setText(LoadText(68));
    FitCaption(m_label3);
    FitCaption(m_label4);
}

void about::Form_Click()
{
    close();
}

// A click is a press and a release of the left button on the same control.
bool about::eventFilter(QObject *watched, QEvent *event)
{
    const bool closes = watched == m_label1 || watched == m_image1 || watched == m_label3;
    const bool isLabel = closes || watched == m_label4 || watched == m_label5 || watched == m_label6;
    if (!isLabel)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return true; // the date and address labels take their clicks without closing the box
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const auto *widget = static_cast<QWidget *>(watched);
        if (closes && mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint()))
            Form_Click();
        return true;
    }
    default:
        return QDialog::eventFilter(watched, event);
    }
}

void about::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void about::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Form_Click();
}

QPixmap about::DrawLogo()
{
    QPixmap logo(100, 60);
    logo.fill(look::White);
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing);

    // A clock face in grey with blue hands at ten to two.
    const QPointF centre(26, 30);
    const qreal radius = 22;
    p.setPen(QPen(QColor(150, 150, 150), 3));
    p.setBrush(QColor(240, 240, 240));
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(QColor(110, 110, 110), 2, Qt::SolidLine, Qt::RoundCap));
    for (int hour = 0; hour < 12; ++hour) {
        const qreal angle = qDegreesToRadians(hour * 30.0);
        const QPointF direction(qSin(angle), -qCos(angle));
        const qreal inner = hour % 3 == 0 ? radius - 7 : radius - 4;
        p.drawLine(centre + direction * inner, centre + direction * (radius - 2));
    }
    p.setPen(QPen(TitleBlue, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(qSin(qDegreesToRadians(-60.0)), -qCos(qDegreesToRadians(-60.0))) * 11);
    p.setPen(QPen(TitleBlue, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(qSin(qDegreesToRadians(60.0)), -qCos(qDegreesToRadians(60.0))) * 16);
    p.setBrush(TitleBlue);
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, 2.5, 2.5);

    // The letters, blue with a grey shadow, and a grey rule beneath them.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(22);
    QPainterPath letters;
    letters.addText(0, 0, font, QStringLiteral("IXO"));
    const QRectF bounds = letters.boundingRect();
    const qreal x = 52 + (46 - bounds.width()) / 2 - bounds.left();
    const qreal y = 38;
    p.setBrush(QColor(200, 200, 200));
    p.drawPath(letters.translated(x + 1.5, y + 1.5));
    p.setBrush(TitleBlue);
    p.drawPath(letters.translated(x, y));
    p.setPen(QPen(QColor(150, 150, 150), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(54, 46), QPointF(96, 46));
    return logo;
}

} // namespace ixo
