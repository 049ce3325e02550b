#pragma once

#include "data/topic_pool.h"

#include <QString>
#include <QWidget>

#include <cstdint>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace ixo {

// Topic Editor: lists the topics of one pool by number, finds the topics that contain a keyword and
// corrects a topic's text (and an Issue topic's category) in place. It works on the pools the main window
// keeps open, reading them afresh at every action, and may stay open beside the test.
class topedit final : public QWidget
{
    Q_OBJECT

public:
    // The number each list item carries besides its text: where the keyword of the search that listed it
    // first occurs in the topic text (1 is the first character), or 0.
    static constexpr int MatchPositionRole = Qt::UserRole;

    explicit topedit(QWidget *parent = nullptr);

    PoolKind currentPool() const { return m_pool; }
    // Length of the keyword of the last search that found something; 0 after one that found nothing.
    int keywordLength() const { return m_keywordLength; }

public slots:
    void Form_Load();
    void op1_MouseDown();
    void op2_MouseDown();
    void tlist_Click();
    void modi_Click();
    void search_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ApplyEditorCaptions();
    void FillTopicList();
    void ShowPool(PoolKind kind);
    void ShowTopicText(const QString &text);
    QString EditedTopicText() const;
    void ClearBoxes();
    TopicPool &Pool() const;

    QLabel *m_label1 = nullptr;
    QLineEdit *m_tnum = nullptr;
    QLabel *m_label2 = nullptr;
    QLineEdit *m_ifl = nullptr;
    QRadioButton *m_op1 = nullptr;
    QRadioButton *m_op2 = nullptr;
    QPlainTextEdit *m_ttm = nullptr;
    QListWidget *m_tlist = nullptr;
    QPushButton *m_modi = nullptr;
    QPushButton *m_search = nullptr;

    PoolKind m_pool = PoolKind::Issue;
    std::int16_t m_keywordLength = 0;
    // The topic text as read from the pool, and the text box's content right after showing it: an
    // unedited text is written back exactly as it was read.
    QString m_shownText;
    QString m_shownBoxText;
};

} // namespace ixo
