#pragma once

#include "ui/test/test_screen.h"
#include "ui/test/topic_selection_rules.h"

#include <cstdint>

class QPushButton;
class QTimer;

namespace ixo {

// The Issue topic selection: two Issue topics offered, one chosen with TOPIC 1 or TOPIC 2 and confirmed with
// Yes, under the Section 1 countdown, which goes on into the writing screen. When the time runs out the
// writing screen opens at once with no time left.
class pro3 final : public TestScreen
{
    Q_OBJECT

public:
    pro3();

    int topic1No() const { return m_topic1No; }
    int topic2No() const { return m_topic2No; }
    int selectedTopic() const { return m_selectedTopic; }

public slots:
    void Form_Load();
    void Timer1_Timer();
    void st1_Click();
    void st2_Click();
    void yes_Click();
    void no_Click();

private:
    void buildControls();
    void confirm(int topicNo, const QString &text);
    void leave();

    int m_selectedTopic = 0;
    int m_topic1No = 0;
    int m_topic2No = 0;
    SelectionCountdown m_clock;
    bool m_unlimited = false;

    QLabel *m_timing = nullptr;
    QLabel *m_top1 = nullptr;
    QLabel *m_top2 = nullptr;
    QPushButton *m_st1 = nullptr;
    QPushButton *m_st2 = nullptr;
    Picture *m_help = nullptr;
    QWidget *m_panel = nullptr;
    QLabel *m_ctop = nullptr;
    QPushButton *m_yes = nullptr;
    QPushButton *m_no = nullptr;
    QTimer *m_timer1 = nullptr;
};

} // namespace ixo
