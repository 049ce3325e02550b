#pragma once

#include "data/topic_pool.h"
#include "ui/test/test_screen.h"
#include "ui/test/writing_rules.h"

#include <QLabel>
#include <QRect>

class QPlainTextEdit;
class QTimer;

namespace ixo {

class ImageButton;

// A label that reports a click (press and release over it).
class ClickLabel final : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_held = false;
};

// What differs between the two writing screens. Places are in twips.
struct WritingSectionParams
{
    SectionKind section;
    QString windowName; // "pro4" or "pro7"
    QString title;      // the title strip text
    QRect titleRect;
    Qt::Alignment titleAlign;
    QString instruction;   // the task's instruction line, drawn as a picture
    QRect instructionBand; // Shape1
    QRect instructionRect; // inst_img
    QRect topicBand;       // Shape2
    QRect topicRect;       // topic, usual geometry
    QRect longTopicRect;   // topic, geometry of a long topic
    QRect essayBar;        // Shape4
    QRect essayArea;       // Shape6
    QRect essayFrame;      // Shape5
    QRect essayBox;        // tin
    int editButtonsTop;    // top of cut; paste and undo follow 720 twips apart
};
const WritingSectionParams &WritingSection(SectionKind section);

// The essay writing screen, built as `pro4` for Section 1 (Issue) and as `pro7` for Section 2 (Argument):
// the instruction and topic, the essay box with Cut, Paste and Undo, the toolbar, the countdown in the title
// strip with its five-minute blink, the confirmation panels, the autosave, and the results stored when the
// section ends.
class WritingScreen final : public TestScreen
{
    Q_OBJECT

public:
    explicit WritingScreen(SectionKind section);

    SectionKind section() const { return m_params.section; }
    PanelKind panelKind() const { return m_panelKind; }
    const WritingCountdown &countdown() const { return m_clock; }

public slots:
    void Form_Load();
    void Timer1_Timer();
    void Timer2_Timer();
    void squit_Click();
    void tquit_Click();
    void stime_Click();
    void cut_Click();
    void paste_Click();
    void undo_Click();
    void Image1_Click(); // Return to Where I Was
    void Image2_Click(); // Exit Section confirmed
    void Image3_Click(); // Quit Test confirmed
    void Image4_Click(); // Proceed
    void wordc_Click();
    void wordshow_Click();
    void tin_Change();

private:
    void buildControls();
    void buildPanel();
    void ShowPanel();
    void timeOut();
    void storeResults(std::int32_t elapsedSeconds);
    void saveDraft();
    void stopCountdown();
    QString essayText() const;
    bool manualWordCount() const;
    bool autoWordCount() const;

    const WritingSectionParams &m_params;
    TopicRecord m_topic;
    WritingCountdown m_clock;
    bool m_blinkOn = false;
    bool m_clockWasVisible = false;
    PanelKind m_panelKind = PanelKind::None;

    QLabel *m_timing = nullptr;
    QLabel *m_title = nullptr;
    ClickLabel *m_wordshow = nullptr;
    QLabel *m_topicLabel = nullptr;
    QPlainTextEdit *m_tin = nullptr;
    ImageButton *m_cut = nullptr;
    ImageButton *m_paste = nullptr;
    ImageButton *m_undo = nullptr;
    ImageButton *m_tquit = nullptr;
    ImageButton *m_squit = nullptr;
    ImageButton *m_stime = nullptr;
    ImageButton *m_wordc = nullptr;
    Picture *m_help = nullptr;

    DialogPanel *m_panel = nullptr;
    QLabel *m_lab1 = nullptr;
    QWidget *m_lab2 = nullptr;
    QLabel *m_lab3 = nullptr;
    QLabel *m_lab4 = nullptr;
    QLabel *m_lab5 = nullptr; // Section 2 only
    ImageButton *m_image1 = nullptr;
    ImageButton *m_image2 = nullptr;
    ImageButton *m_image3 = nullptr;
    ImageButton *m_image4 = nullptr;

    QTimer *m_timer1 = nullptr;
    QTimer *m_timer2 = nullptr;
};

} // namespace ixo
