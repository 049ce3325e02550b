#include "ui/test/writing_screen.h"

#include "app/random.h"
#include "app/test_state.h"
#include "ui/look.h"
#include "ui/test/draft_rules.h"
#include "ui/test/edit_guard.h"
#include "ui/test/faces.h"
#include "ui/test/image_button.h"
#include "ui/test/one_line_label.h"
#include "ui/test/word_count_rules.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTimer>

namespace ixo {

using look::Place;

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    m_held = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    const bool click = m_held && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_held = false;
    if (click)
        emit clicked();
}

const WritingSectionParams &WritingSection(SectionKind section)
{
    static const WritingSectionParams issue{
        SectionKind::Issue,
        QStringLiteral("pro4"),
        QStringLiteral("Practice Test - Section 1"),
        QRect(3630, 90, 2415, 210),
        Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("Present your perspective on the issue below, using relevant reasons and/or examples to "
                       "support your views."),
        QRect(180, 495, 9240, 750),
        QRect(660, 675, 8235, 435),
        QRect(180, 1290, 9240, 975),
        QRect(600, 1440, 8535, 705),
        QRect(600, 1310, 8775, 945),
        QRect(180, 2310, 9240, 270),
        QRect(180, 2565, 9240, 3960),
        QRect(285, 2580, 9135, 3870),
        QRect(340, 2600, 7920, 3840),
        2670,
    };
    static const WritingSectionParams argument{
        SectionKind::Argument,
        QStringLiteral("pro7"),
        QStringLiteral("Practice Test - Section 2"),
        QRect(3600, 90, 2415, 210),
        Qt::AlignCenter,
        QStringLiteral("Discuss how well reasoned you find this argument."),
        QRect(180, 495, 9240, 510),
        QRect(2475, 675, 4650, 195),
        QRect(180, 1050, 9240, 2925),
        QRect(600, 1200, 8535, 2640),
        QRect(600, 1080, 8775, 2880),
        QRect(180, 4020, 9240, 270),
        QRect(180, 4275, 9240, 2245),
        QRect(285, 4290, 9135, 2190),
        QRect(340, 4310, 7920, 2160),
        4350,
    };
    return section == SectionKind::Issue ? issue : argument;
}

namespace {

void placeTwips(QWidget *w, const QRect &twips)
{
    Place(w, twips.left(), twips.top(), twips.width(), twips.height());
}

// The instruction line as a picture: black bold text on white, at the largest size that fits the picture.
QPixmap instructionPicture(const QString &text, const QSize &size)
{
    QImage image(size, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font = look::SystemFont();
    const QRect area(0, 0, size.width(), size.height());
    for (int pixels = 13; pixels >= 7; --pixels) {
        font.setPixelSize(pixels);
        const QRect needed =
            QFontMetrics(font).boundingRect(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
        if (needed.width() <= size.width() && needed.height() <= size.height())
            break;
    }
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text);
    p.end();
    return QPixmap::fromImage(image);
}

const QString InformationText = QStringLiteral("Information");

} // namespace

WritingScreen::WritingScreen(SectionKind section)
    : TestScreen(WritingSection(section).windowName), m_params(WritingSection(section))
{
    buildControls();
    buildPanel();
    Form_Load();
}

void WritingScreen::buildControls()
{
    QWidget *p1 = picture1();
    addRect(p1, QStringLiteral("Shape3"), look::Strip, look::Grey, 0, 0, 9600, 315);
    m_timing = addStripLabel(p1, QStringLiteral("timing"), QStringLiteral("00:00"), 75, 75, 1215, 210);
    m_timing->setFont(look::SansFont(true));
    const QRect &t = m_params.titleRect;
    m_title = addStripLabel(p1, QStringLiteral("Lab_Title"), m_params.title, t.left(), t.top(), t.width(), t.height(),
                            m_params.titleAlign);

    m_wordshow = new ClickLabel(p1);
    m_wordshow->setObjectName(QStringLiteral("wordshow"));
    m_wordshow->setTextFormat(Qt::PlainText);
    m_wordshow->setFont(look::SystemFont());
    m_wordshow->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette pal = m_wordshow->palette();
    pal.setColor(QPalette::WindowText, look::Highlight);
    m_wordshow->setPalette(pal);
    Place(m_wordshow, 7875, 90, 1575, 210);
    connect(m_wordshow, &ClickLabel::clicked, this, &WritingScreen::wordshow_Click);

    auto rect = [&](const QString &name, const QColor &fill, const QColor &outline, const QRect &r) {
        return addRect(p1, name, fill, outline, r.left(), r.top(), r.width(), r.height());
    };
    rect(QStringLiteral("Shape1"), look::White, {}, m_params.instructionBand);
    auto *inst = new Picture(p1, QStringLiteral("inst_img"));
    placeTwips(inst, m_params.instructionRect);
    inst->setPixmap(instructionPicture(m_params.instruction, inst->size()));
    rect(QStringLiteral("Shape2"), look::White, {}, m_params.topicBand);

    m_topicLabel = new QLabel(p1);
    m_topicLabel->setObjectName(QStringLiteral("topic"));
    m_topicLabel->setTextFormat(Qt::PlainText);
    m_topicLabel->setFont(look::SansFont());
    m_topicLabel->setWordWrap(true);
    m_topicLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pal = m_topicLabel->palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    m_topicLabel->setPalette(pal);
    placeTwips(m_topicLabel, m_params.topicRect);

    rect(QStringLiteral("Shape4"), look::Strip, {}, m_params.essayBar);
    rect(QStringLiteral("Shape6"), look::White, {}, m_params.essayArea);
    rect(QStringLiteral("Shape5"), {}, Qt::black, m_params.essayFrame);

    m_tin = new QPlainTextEdit(p1);
    m_tin->setObjectName(QStringLiteral("tin"));
    m_tin->setFrameShape(QFrame::NoFrame);
    m_tin->setFont(look::SystemFont());
    m_tin->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_tin->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tin->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    placeTwips(m_tin, m_params.essayBox);
    connect(m_tin, &QPlainTextEdit::textChanged, this, &WritingScreen::tin_Change);

    const int editTop = m_params.editButtonsTop;
    m_cut = addButton(p1, QStringLiteral("cut"), face::CutUp, face::CutDown, 8310, editTop);
    m_paste = addButton(p1, QStringLiteral("paste"), face::PasteUp, face::PasteDown, 8310, editTop + 720);
    m_undo = addButton(p1, QStringLiteral("undo"), face::UndoUp, face::UndoDown, 8310, editTop + 1440);
    connect(m_cut, &ImageButton::clicked, this, &WritingScreen::cut_Click);
    connect(m_paste, &ImageButton::clicked, this, &WritingScreen::paste_Click);
    connect(m_undo, &ImageButton::clicked, this, &WritingScreen::undo_Click);

    m_tquit = addButton(p1, QStringLiteral("tquit"), face::QuitUp, face::QuitDown, 170, 6590, face::QuitGrey);
    m_squit = addButton(p1, QStringLiteral("squit"), face::ExitUp, face::ExitDown, 870, 6590, face::ExitGrey);
    m_stime = addButton(p1, QStringLiteral("stime"), face::TimeUp, face::TimeDown, 1580, 6590, face::TimeGrey);
    m_wordc = addButton(p1, QStringLiteral("wordc"), face::WordCountUp, face::WordCountDown, 8055, 6585);
    m_wordc->hide();
    m_help = addPicture(p1, QStringLiteral("help"), face::Help, 8760, 6585);
    connect(m_tquit, &ImageButton::clicked, this, &WritingScreen::tquit_Click);
    connect(m_squit, &ImageButton::clicked, this, &WritingScreen::squit_Click);
    connect(m_stime, &ImageButton::clicked, this, &WritingScreen::stime_Click);
    connect(m_wordc, &ImageButton::clicked, this, &WritingScreen::wordc_Click);

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1000);
    m_timer1->setTimerType(Qt::PreciseTimer);
    connect(m_timer1, &QTimer::timeout, this, &WritingScreen::Timer1_Timer);
    m_timer2 = new QTimer(this);
    m_timer2->setObjectName(QStringLiteral("Timer2"));
    m_timer2->setInterval(500);
    m_timer2->setTimerType(Qt::PreciseTimer);
    connect(m_timer2, &QTimer::timeout, this, &WritingScreen::Timer2_Timer);
}

void WritingScreen::buildPanel()
{
    m_panel = new DialogPanel(picture1(), QStringLiteral("Picture2"), 165, 480, 9270, 6045);
    m_lab1 = addTextLabel(m_panel, QStringLiteral("Lab_1"),
                          QStringLiteral("If you have completed your essay, or if you wish to exit this section, "
                                         "click on EXIT SECTION.  If you click on Exit Section, you WILL NOT be "
                                         "able to return to this section of the test."),
                          1335, 2595, 6735, 855);
    m_lab2 = addQuitTestTexts(m_panel);
    m_lab3 = addTextLabel(m_panel, QStringLiteral("Lab_3"), QStringLiteral("You must proceed."), 3765, 2840, 2055, 375);
    m_lab4 = OnOneLine(addTextLabel(m_panel, QStringLiteral("Lab_4"),
                                    QStringLiteral("You have finished this section and will now begin the next one."),
                                    1470, 2835, 6255, 375));
    if (m_params.section == SectionKind::Argument) {
        m_lab5 = addTextLabel(m_panel, QStringLiteral("Lab_5"), QStringLiteral("You have completed this test."), 3180,
                              2715, 3255, 375);
        m_lab5->hide();
    }
    m_image1 = addButton(m_panel, QStringLiteral("Image1"), face::ReturnUp, face::ReturnDown, DialogButtonLeft,
                         DialogButtonTop);
    m_image2 = addButton(m_panel, QStringLiteral("Image2"), face::ExitSectionUp, face::ExitSectionDown,
                         DialogButtonRight, DialogButtonTop);
    m_image3 = addButton(m_panel, QStringLiteral("Image3"), face::QuitTestUp, face::QuitTestDown, DialogButtonRight,
                         DialogButtonTop);
    m_image4 = addButton(m_panel, QStringLiteral("Image4"), face::ProceedUp, face::ProceedDown, DialogButtonMiddle,
                         DialogButtonTop);
    connect(m_image1, &ImageButton::clicked, this, &WritingScreen::Image1_Click);
    connect(m_image2, &ImageButton::clicked, this, &WritingScreen::Image2_Click);
    connect(m_image3, &ImageButton::clicked, this, &WritingScreen::Image3_Click);
    connect(m_image4, &ImageButton::clicked, this, &WritingScreen::Image4_Click);
    for (QWidget *w :
         {static_cast<QWidget *>(m_lab1), m_lab2, static_cast<QWidget *>(m_lab3), static_cast<QWidget *>(m_lab4),
          static_cast<QWidget *>(m_image1), static_cast<QWidget *>(m_image2), static_cast<QWidget *>(m_image3),
          static_cast<QWidget *>(m_image4)})
        w->hide();
    m_panel->raise();
}

void WritingScreen::Form_Load()
{
    const SettingsRecord &s = Settings();
    TestState &state = State();

    // 1. Faces.
    m_cut->setFace(face::CutUp);
    m_paste->setFace(face::PasteUp);
    m_undo->setFace(face::UndoUp);
    m_tquit->setFace(face::QuitUp);
    m_squit->setFace(face::ExitUp);
    m_stime->setFace(face::TimeUp);
    m_help->setFace(face::Help);
    m_image1->setFace(face::ReturnUp);
    m_image2->setFace(face::ExitSectionUp);
    m_image3->setFace(face::QuitTestUp);
    m_image4->setFace(face::ProceedUp);
    m_panel->titleBack()->setFace(face::DialogTitleStrip);

    // 2. The essay box's guard, a guard of its own for this box.
    EditBoxGuard::install(m_tin, {.mouse = s.RightClickMenu == 0, .clipboardKeys = s.HotKeys != -1});

    // 3. The countdown handed over by the previous screen.
    m_clock = WritingCountdown(SectionLimit(m_params.section, s), state.MinutesLeft, state.SecondsLeft);

    // 4. The Word Count button in Manual mode.
    if (manualWordCount()) {
        m_wordc->setFace(face::WordCountUp);
        m_wordc->show();
    }

    // 5. The clock.
    m_timing->setText(m_clock.loadText());

    // 6. The topic; Section 2 draws its own when none was fixed.
    int topicNo = 0;
    if (m_params.section == SectionKind::Issue) {
        topicNo = state.IssueTopicNo;
        m_topic = ReadIssueTopic(topicNo);
    } else {
        if (state.ArgumentTopicNo == 0) {
            ReseedRandomFromClock();
            state.ArgumentTopicNo = static_cast<std::int16_t>(DrawTopicNumber(ArgumentPoolSize));
        }
        topicNo = state.ArgumentTopicNo;
        m_topic = ReadArgumentTopic(topicNo);
    }

    // 7. A long topic takes more room.
    if (IsLongTopic(m_params.section, topicNo, m_topic.Text))
        placeTwips(m_topicLabel, m_params.longTopicRect);

    // 8. The topic text.
    m_topicLabel->setText(m_topic.Text);

    // 9. Nothing from outside can be pasted: the clipboard starts empty.
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->clear();

    m_timer1->start();
}

bool WritingScreen::manualWordCount() const
{
    return Settings().WordCount == -1 && Settings().ShowWordsAuto == 0;
}

bool WritingScreen::autoWordCount() const
{
    return Settings().WordCount == -1 && Settings().ShowWordsAuto == -1;
}

QString WritingScreen::essayText() const
{
    // The box's text with its line breaks as LF. Unlike toPlainText(), non-breaking spaces stay as they are:
    // they belong to words.
    QString text = m_tin->document()->toRawText();
    for (QChar &c : text) {
        switch (c.unicode()) {
        case QChar::ParagraphSeparator:
        case QChar::LineSeparator:
        case 0xfdd0: // frame boundaries, never in a plain text box
        case 0xfdd1:
            c = QLatin1Char('\n');
            break;
        default:
            break;
        }
    }
    return text;
}

void WritingScreen::Timer1_Timer()
{
    const WritingCountdown::Tick tick = m_clock.tick(Settings().SafeMode == -1);
    if (m_clock.unlimited())
        return;
    m_timing->setText(tick.clockText);
    if (tick.timeUp) {
        timeOut();
        return;
    }
    if (tick.saveDue)
        saveDraft();
    if (tick.blinkStarts)
        m_timer2->start();
}

void WritingScreen::timeOut()
{
    storeResults(FullLimitSeconds(m_clock.limitMinutes()));
    saveDraft();
    m_timing->setText(QStringLiteral("00:00:00"));
    m_timing->show();
    m_panelKind = PanelKind::TimeExpired;
    ShowPanel();
    stopCountdown();
}

void WritingScreen::Timer2_Timer()
{
    m_timing->setVisible(m_blinkOn);
    m_blinkOn = !m_blinkOn;
    if (m_clock.blinkEnds()) {
        m_timer2->stop();
        m_timing->show();
    }
}

void WritingScreen::stopCountdown()
{
    m_timer1->stop();
    m_timer2->stop(); // the blink never outlives the countdown
}

void WritingScreen::stime_Click()
{
    if (m_clock.clockCanBeHidden())
        m_timing->setVisible(m_timing->isHidden());
}

void WritingScreen::squit_Click()
{
    m_panelKind = PanelKind::ExitSection;
    ShowPanel();
}

void WritingScreen::tquit_Click()
{
    m_panelKind = PanelKind::QuitTest;
    ShowPanel();
}

void WritingScreen::ShowPanel()
{
    m_clockWasVisible = !m_timing->isHidden();
    for (QWidget *w :
         {static_cast<QWidget *>(m_lab1), m_lab2, static_cast<QWidget *>(m_lab3), static_cast<QWidget *>(m_lab4),
          static_cast<QWidget *>(m_image1), static_cast<QWidget *>(m_image2), static_cast<QWidget *>(m_image3),
          static_cast<QWidget *>(m_image4)})
        w->hide();

    switch (m_panelKind) {
    case PanelKind::ExitSection:
        m_panel->titleCap()->setFace(face::CaptionExitSection);
        m_lab1->show();
        m_image1->show();
        m_image2->show();
        m_timing->hide();
        break;
    case PanelKind::QuitTest:
        m_panel->titleCap()->setFace(face::CaptionQuitTest);
        m_lab2->show();
        m_image1->show();
        m_image3->show();
        break;
    case PanelKind::TimeExpired:
        m_panel->titleCap()->setFace(face::CaptionTimeExpired);
        m_lab3->show();
        m_image4->show();
        break;
    case PanelKind::SectionEnd:
        m_panel->titleCap()->setFace(face::CaptionSectionEnd);
        m_lab4->show();
        m_image4->show();
        m_wordshow->setText(InformationText);
        m_wordshow->show();
        for (QWidget *w :
             {static_cast<QWidget *>(m_timing), static_cast<QWidget *>(m_tquit), static_cast<QWidget *>(m_squit),
              static_cast<QWidget *>(m_stime), static_cast<QWidget *>(m_help)})
            w->hide();
        break;
    case PanelKind::TestComplete:
        m_panel->titleCap()->hide();
        if (m_lab5)
            m_lab5->show();
        m_image4->show();
        m_title->setText(QStringLiteral("Practice Test"));
        break;
    case PanelKind::None:
        break;
    }

    m_help->setFace(face::HelpGrey);
    for (ImageButton *icon : {m_tquit, m_squit, m_stime})
        icon->setGreyed(true);
    m_wordc->hide();
    // The essay box lies under the panel: it takes no typing until the candidate returns to it.
    m_tin->setEnabled(false);
    m_panel->show();
}

void WritingScreen::Image1_Click()
{
    m_panel->hide();
    m_timing->setVisible(m_clockWasVisible);
    for (ImageButton *icon : {m_tquit, m_squit, m_stime})
        icon->setGreyed(false);
    m_help->setFace(face::Help);
    if (manualWordCount())
        m_wordc->show();
    m_tin->setEnabled(true);
    m_tin->setFocus();
}

void WritingScreen::storeResults(std::int32_t elapsedSeconds)
{
    const QString essay = essayText();
    const std::int32_t words = CountWords(essay);
    TestState &state = State();
    if (m_params.section == SectionKind::Issue) {
        state.IssueEssay = essay;
        state.IssueWords = words;
        state.IssueElapsed = elapsedSeconds;
    } else {
        state.ArgumentEssay = essay;
        state.ArgumentWords = words;
        state.ArgumentElapsed = elapsedSeconds;
    }
}

void WritingScreen::saveDraft()
{
    const int topicNo = m_params.section == SectionKind::Issue ? State().IssueTopicNo : State().ArgumentTopicNo;
    // A failed save leaves the previous autosave whole; the section goes on without a message.
    (void)SaveDraft(m_params.section, topicNo, m_topicLabel->text(), essayText());
}

void WritingScreen::Image2_Click()
{
    storeResults(m_clock.ticks());
    saveDraft();
    stopCountdown();
    m_panelKind = PanelKind::SectionEnd;
    ShowPanel();
}

void WritingScreen::Image3_Click()
{
    storeResults(m_clock.ticks());
    saveDraft();
    stopCountdown();
    handOverToReview();
}

void WritingScreen::Image4_Click()
{
    switch (ProceedFrom(m_panelKind, m_params.section, Settings())) {
    case ProceedStep::ShowSectionEnd:
        m_panelKind = PanelKind::SectionEnd;
        ShowPanel();
        break;
    case ProceedStep::ShowTestComplete:
        m_panelKind = PanelKind::TestComplete;
        ShowPanel();
        break;
    case ProceedStep::OpenReview:
        handOverToReview();
        break;
    case ProceedStep::OpenArgumentWriting:
        State().MinutesLeft = static_cast<std::int16_t>(Settings().ArgumentMinutes - 1);
        State().SecondsLeft = 60;
        handOver(Screen::Pro7);
        break;
    case ProceedStep::OpenArgumentDirections:
        handOver(Screen::Pro6);
        break;
    case ProceedStep::None:
        break;
    }
}

void WritingScreen::cut_Click()
{
    m_tin->cut();
}

void WritingScreen::paste_Click()
{
    m_tin->paste();
}

void WritingScreen::undo_Click()
{
    m_tin->undo();
}

void WritingScreen::wordc_Click()
{
    m_wordshow->setText(WordCountText(CountWords(essayText())));
}

void WritingScreen::wordshow_Click()
{
    if (m_wordshow->text() != InformationText)
        m_wordshow->clear();
}

void WritingScreen::tin_Change()
{
    if (autoWordCount())
        m_wordshow->setText(WordCountText(CountWords(essayText())));
}

} // namespace ixo
