#include "ui/test/pro3.h"

#include "app/random.h"
#include "app/test_state.h"
#include "data/topic_pool.h"
#include "ui/look.h"
#include "ui/test/clock_format_rules.h"
#include "ui/test/faces.h"
#include "ui/test/one_line_label.h"

#include <QPushButton>
#include <QTimer>

namespace ixo {

using look::Place;

namespace {

QLabel *topicLabel(QWidget *parent, const QString &name, int left, int top, int width, int height)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(look::SansFont());
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(pal);
    Place(label, left, top, width, height);
    return label;
}

QPushButton *greyButton(QWidget *parent, const QString &name, const QString &text, int left, int top, int width,
                        int height)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setFont(look::SansFont(true));
    QPalette pal = button->palette();
    pal.setColor(QPalette::Button, look::Grey);
    pal.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(pal);
    button->setAutoDefault(false);
    Place(button, left, top, width, height);
    return button;
}

} // namespace

pro3::pro3() : TestScreen(QStringLiteral("pro3"))
{
    buildControls();
    Form_Load();
}

void pro3::buildControls()
{
    QWidget *p1 = picture1();
    addStrip(p1, QStringLiteral("TitleStrip"), 15, 15, 9580, 300);
    m_timing = addStripLabel(p1, QStringLiteral("timing"), QStringLiteral("00:44"), 75, 75, 1215, 220);
    m_timing->setFont(look::SansFont(true));
    addStripLabel(p1, QStringLiteral("Lab_Title"), QStringLiteral("Practice Test - Section 1"), 3630, 90, 2415, 210);

    addRect(p1, QStringLiteral("Shape1"), look::White, Qt::black, 0, 290, 8245, 6910);
    OnOneLine(addTextLabel(p1, QStringLiteral("Label1"), QStringLiteral("ISSUE TOPIC SELECTION"), 3120, 750, 2175, 255,
                           Qt::AlignHCenter | Qt::AlignTop));
    addTextLabel(p1, QStringLiteral("Label2"),
                 QStringLiteral("Present your perspective on one of the issues below, using relevant reasons and/or "
                                "examples to support your views."),
                 360, 1290, 7455, 495);
    OnOneLine(addTextLabel(p1, QStringLiteral("Label3"), QStringLiteral("TOPIC 1:"), 330, 2130, 735, 255));
    addRect(p1, QStringLiteral("Shape2"), {}, Qt::black, 150, 2480, 7925, 1515);
    m_top1 = topicLabel(p1, QStringLiteral("top1"), 600, 2720, 7095, 1215);
    OnOneLine(addTextLabel(p1, QStringLiteral("Label4"), QStringLiteral("TOPIC 2:"), 330, 4140, 735, 255));
    addRect(p1, QStringLiteral("Shape3"), {}, Qt::black, 150, 4470, 7925, 1515);
    m_top2 = topicLabel(p1, QStringLiteral("top2"), 600, 4720, 7095, 1215);
    m_st1 = greyButton(p1, QStringLiteral("st1"), QStringLiteral("TOPIC 1"), 2160, 6320, 1120, 360);
    m_st2 = greyButton(p1, QStringLiteral("st2"), QStringLiteral("TOPIC 2"), 4970, 6320, 1120, 360);
    m_help = addPicture(p1, QStringLiteral("img_help"), face::HelpGrey, 8760, 6590);
    connect(m_st1, &QPushButton::clicked, this, &pro3::st1_Click);
    connect(m_st2, &QPushButton::clicked, this, &pro3::st2_Click);

    // The confirmation panel covers the whole content area, the TOPIC buttons included.
    m_panel = new QWidget(p1);
    m_panel->setObjectName(QStringLiteral("Picture2"));
    m_panel->setAutoFillBackground(true);
    QPalette pal = m_panel->palette();
    pal.setColor(QPalette::Window, Qt::white);
    m_panel->setPalette(pal);
    Place(m_panel, 15, 300, 8255, 6895);
    addRect(m_panel, QStringLiteral("Shape4"), {}, Qt::black, 0, -15, 8245, 6915);
    OnOneLine(addTextLabel(m_panel, QStringLiteral("Label5"), QStringLiteral("ISSUE TOPIC CONFIRMATION"), 2970, 765,
                           2475, 255, Qt::AlignHCenter | Qt::AlignTop));
    addTextLabel(m_panel, QStringLiteral("Label6"), QStringLiteral("You have selected the following topic -"), 330,
                 2160, 5000, 255);
    addRect(m_panel, QStringLiteral("Shape5"), {}, Qt::black, 150, 2550, 7925, 1515);
    m_ctop = topicLabel(m_panel, QStringLiteral("ctop"), 610, 2800, 7095, 1215);
    addTextLabel(m_panel, QStringLiteral("Label7"), QStringLiteral("Please confirm the selection to proceed."), 330,
                 4890, 5000, 255);
    m_yes = greyButton(m_panel, QStringLiteral("yes"), QStringLiteral("Yes"), 2160, 5280, 1120, 340);
    m_no = greyButton(m_panel, QStringLiteral("no"), QStringLiteral("No"), 4965, 5280, 1120, 340);
    connect(m_yes, &QPushButton::clicked, this, &pro3::yes_Click);
    connect(m_no, &QPushButton::clicked, this, &pro3::no_Click);
    m_panel->hide();

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1000);
    m_timer1->setTimerType(Qt::PreciseTimer);
    connect(m_timer1, &QTimer::timeout, this, &pro3::Timer1_Timer);
}

void pro3::Form_Load()
{
    const TestState &state = State();

    // 1. The Help icon is greyed for good on this screen.
    m_help->setFace(face::HelpGrey);

    // 2, 3. Topic 1: the number fixed in the main window, or a draw.
    if (state.IssueTopicNo != 0) {
        m_topic1No = state.IssueTopicNo;
    } else {
        ReseedRandomFromClock();
        m_topic1No = DrawTopicNumber(IssuePoolSize);
    }
    m_top1->setText(ReadIssueTopic(m_topic1No).Text);

    // 4. Topic 2: a draw that never equals topic 1.
    ReseedRandomFromClock();
    m_topic2No = SecondTopicNumber(DrawTopicNumber(IssuePoolSize), m_topic1No, IssuePoolSize);
    m_selectedTopic = m_topic2No;
    m_top2->setText(ReadIssueTopic(m_topic2No).Text);

    // 5, 6. The clock.
    m_clock = SelectionCountdown(state.MinutesLeft, state.SecondsLeft);
    m_unlimited = Settings().IssueMinutes == -1;
    if (m_unlimited) {
        m_timer1->stop();
        m_timing->setText(QStringLiteral("Unlimited"));
    } else {
        m_timing->setText(ClockText(m_clock.minutes()));
        m_timer1->start();
    }
}

void pro3::Timer1_Timer()
{
    if (m_unlimited)
        return;
    switch (m_clock.tick()) {
    case SelectionCountdown::Tick::SameMinute:
        break;
    case SelectionCountdown::Tick::NewMinute:
        m_timing->setText(ClockText(m_clock.minutes()));
        break;
    case SelectionCountdown::Tick::TimeUp: {
        TestState &state = State();
        state.MinutesLeft = 0;
        state.SecondsLeft = 0;
        // The writing screen needs a topic: on a random draw, the one being confirmed, else topic 1.
        if (state.IssueTopicNo == 0)
            state.IssueTopicNo = static_cast<std::int16_t>(m_panel->isHidden() ? m_topic1No : m_selectedTopic);
        leave();
        break;
    }
    }
}

void pro3::confirm(int topicNo, const QString &text)
{
    m_selectedTopic = topicNo;
    m_ctop->setText(text);
    m_panel->show();
}

void pro3::st1_Click()
{
    confirm(m_topic1No, m_top1->text());
}

void pro3::st2_Click()
{
    confirm(m_topic2No, m_top2->text());
}

void pro3::no_Click()
{
    m_panel->hide();
}

void pro3::yes_Click()
{
    TestState &state = State();
    state.IssueTopicNo = static_cast<std::int16_t>(m_selectedTopic);
    state.MinutesLeft = m_clock.minutes();
    state.SecondsLeft = m_clock.seconds();
    leave();
}

void pro3::leave()
{
    m_timer1->stop();
    handOver(Screen::Pro4);
}

} // namespace ixo
