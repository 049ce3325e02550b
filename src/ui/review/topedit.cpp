#include "ui/review/topedit.h"

#include "app/test_state.h"
#include "data/code_page.h"
#include "data/number_entry.h"
#include "data/text_table.h"
#include "ui/fixed_window.h"
#include "ui/look.h"
#include "ui/message_box.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QValidator>

#include <algorithm>

namespace ixo {

namespace {

// Limits what the candidate can type into a box without cutting a longer value set by the program: a
// stored number wider than the box is shown whole and written back unchanged.
class TypingLimit final : public QValidator
{
public:
    TypingLimit(int maxChars, QObject *parent) : QValidator(parent), m_max(maxChars) {}
    State validate(QString &input, int &) const override { return input.size() <= m_max ? Acceptable : Invalid; }

private:
    int m_max;
};

// Lower case, one character for one, so that a position in the lowered text is the same position in the
// original text.
QString LowerCaseInPlace(const QString &text)
{
    QString out = text;
    for (qsizetype i = 0; i < out.size(); ++i) {
        const QChar c = out.at(i);
        if (c.isHighSurrogate() && i + 1 < out.size() && out.at(i + 1).isLowSurrogate()) {
            const char32_t lowered = QChar::toLower(QChar::surrogateToUcs4(c, out.at(i + 1)));
            if (QChar::requiresSurrogates(lowered)) {
                out[i] = QChar(QChar::highSurrogate(lowered));
                out[i + 1] = QChar(QChar::lowSurrogate(lowered));
            }
            ++i;
        } else {
            out[i] = c.toLower();
        }
    }
    return out;
}

// The keyword as searched: without double quotes, without spaces at both ends, in lower case.
QString CleanKeyword(QString answer)
{
    answer.remove(QLatin1Char('"'));
    qsizetype begin = 0;
    qsizetype end = answer.size();
    while (begin < end && answer.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && answer.at(end - 1) == QLatin1Char(' '))
        --end;
    return LowerCaseInPlace(answer.mid(begin, end - begin));
}

// The position in the text box of character `index` of a stored text: the box holds one position for a
// line break that the pool stores as CR LF.
int BoxPosition(const QString &storedText, qsizetype index)
{
    qsizetype pairsBefore = 0;
    for (qsizetype i = 1; i < index && i < storedText.size(); ++i)
        if (storedText.at(i) == QLatin1Char('\n') && storedText.at(i - 1) == QLatin1Char('\r'))
            ++pairsBefore;
    return static_cast<int>(index - pairsBefore);
}

QString WriteFailedText(int number, const QString &reason)
{
    if (State().LanguageOffset == ChineseOffset)
        return QStringLiteral("题目 %1 未能保存：%2").arg(number).arg(reason);
    return QStringLiteral("Topic %1 could not be saved: %2").arg(number).arg(reason);
}

} // namespace

topedit::topedit(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("topedit"));
    setAttribute(Qt::WA_DeleteOnClose);
    SetFixedSingleBorder(this, look::Px(6015), look::Px(3630), TitleButtons::Minimize);
    setFont(DialogFont());

    m_label1 = new QLabel(this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setAlignment(Qt::AlignRight | Qt::AlignTop);
    look::Place(m_label1, 120, 260, 1095, 255);

    m_tnum = new QLineEdit(this);
    m_tnum->setObjectName(QStringLiteral("tnum"));
    m_tnum->setReadOnly(true);
    m_tnum->setValidator(new TypingLimit(3, m_tnum));
    look::Place(m_tnum, 1320, 240, 495, 285);

    m_label2 = new QLabel(this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    look::Place(m_label2, 2040, 270, 615, 255);

    m_ifl = new QLineEdit(this);
    m_ifl->setObjectName(QStringLiteral("ifl"));
    m_ifl->setValidator(new TypingLimit(2, m_ifl));
    look::Place(m_ifl, 2640, 240, 375, 285);

    m_op1 = new QRadioButton(QStringLiteral("ISSUE"), this);
    m_op1->setObjectName(QStringLiteral("op1"));
    look::Place(m_op1, 3720, 240, 975, 255);
    m_op2 = new QRadioButton(QStringLiteral("ARGUMENT"), this);
    m_op2->setObjectName(QStringLiteral("op2"));
    look::Place(m_op2, 4680, 240, 1335, 255);
    FitCaption(m_op1);
    FitCaption(m_op2);
    m_op1->setChecked(true);
    m_op1->installEventFilter(this);
    m_op2->installEventFilter(this);

    m_ttm = new QPlainTextEdit(this);
    m_ttm->setObjectName(QStringLiteral("ttm"));
    m_ttm->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_ttm->setFont(look::SansFont());
    look::Place(m_ttm, 120, 600, 4575, 2535);

    m_tlist = new QListWidget(this);
    m_tlist->setObjectName(QStringLiteral("tlist"));
    m_tlist->setSelectionMode(QAbstractItemView::SingleSelection);
    look::Place(m_tlist, 4800, 600, 1095, 2985);

    m_modi = new QPushButton(this);
    m_modi->setObjectName(QStringLiteral("modi"));
    look::Place(m_modi, 120, 3200, 1095, 375);
    m_search = new QPushButton(this);
    m_search->setObjectName(QStringLiteral("search"));
    look::Place(m_search, 3600, 3200, 1095, 375);

    // A new selection (by mouse or keys) shows its topic; a click on the selected item shows it again,
    // with the keyword marked.
    connect(m_tlist, &QListWidget::itemSelectionChanged, this, &topedit::tlist_Click);
    connect(m_tlist, &QListWidget::itemClicked, this, &topedit::tlist_Click);
    connect(m_modi, &QPushButton::clicked, this, &topedit::modi_Click);
    connect(m_search, &QPushButton::clicked, this, &topedit::search_Click);

    Form_Load();
    CentreOnScreen(this);
}

TopicPool &topedit::Pool() const
{
    return m_pool == PoolKind::Issue ? IssuePool() : ArgumentPool();
}

void topedit::ApplyEditorCaptions()
{
    setWindowTitle(LoadText(41));
    m_label1->setText(LoadText(42));
    m_label2->setText(LoadText(43));
    m_modi->setText(LoadText(47));
    m_search->setText(LoadText(52));
    for (QWidget *caption : {static_cast<QWidget *>(m_label1), static_cast<QWidget *>(m_label2)})
        FitCaption(caption);
}

void topedit::Form_Load()
{
    ApplyEditorCaptions();
    m_pool = PoolKind::Issue;
    FillTopicList();
}

void topedit::FillTopicList()
{
    m_tlist->clear();
    Pool().enumerate([this](int, const TopicRecord &record) {
        auto *item = new QListWidgetItem(QString::number(record.Number), m_tlist);
        item->setData(MatchPositionRole, 0);
    });
}

void topedit::ShowTopicText(const QString &text)
{
    m_ttm->setPlainText(text);
    m_shownText = text;
    m_shownBoxText = m_ttm->document()->toRawText();
}

// The text to store: the text as read when the candidate has not changed it, else the box's text with
// every line break as CR LF.
QString topedit::EditedTopicText() const
{
    const QString boxText = m_ttm->document()->toRawText();
    if (boxText == m_shownBoxText)
        return m_shownText;
    QString text = boxText;
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return text;
}

void topedit::ClearBoxes()
{
    m_tnum->clear();
    ShowTopicText({});
    m_ifl->clear();
}

void topedit::ShowPool(PoolKind kind)
{
    m_pool = kind;
    ClearBoxes();
    m_ifl->setVisible(kind == PoolKind::Issue);
    m_label2->setVisible(kind == PoolKind::Issue);
    FillTopicList();
    (kind == PoolKind::Issue ? m_op1 : m_op2)->setChecked(true);
}

void topedit::op1_MouseDown()
{
    ShowPool(PoolKind::Issue);
}

void topedit::op2_MouseDown()
{
    ShowPool(PoolKind::Argument);
}

bool topedit::eventFilter(QObject *watched, QEvent *event)
{
    // A press on an option button, also on the selected one, lists its whole pool; choosing an option
    // from the keyboard only moves the mark.
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == m_op1)
            op1_MouseDown();
        else if (watched == m_op2)
            op2_MouseDown();
    }
    return QWidget::eventFilter(watched, event);
}

void topedit::tlist_Click()
{
    const QList<QListWidgetItem *> selected = m_tlist->selectedItems();
    if (selected.isEmpty())
        return;
    const QListWidgetItem *item = selected.first();
    const TopicRecord record = Pool().read(item->text().toInt());
    m_tnum->setText(QString::number(record.Number));
    ShowTopicText(record.Text);
    if (m_pool == PoolKind::Issue)
        m_ifl->setText(QString::number(record.Sort));

    const int matchPosition = item->data(MatchPositionRole).toInt();
    if (matchPosition > 0 && m_keywordLength > 0) {
        const int last = m_ttm->document()->characterCount() - 1;
        const int start = std::min(BoxPosition(record.Text, matchPosition - 1), last);
        const int end = std::min(BoxPosition(record.Text, matchPosition - 1 + m_keywordLength), last);
        QTextCursor cursor(m_ttm->document());
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        m_ttm->setTextCursor(cursor);
        m_ttm->setFocus();
    }
}

void topedit::modi_Click()
{
    const QString errorTitle = LoadText(48);
    const QList<QListWidgetItem *> selected = m_tlist->selectedItems();
    if (selected.isEmpty()) {
        msg::Show(this, LoadText(49), errorTitle);
        return;
    }
    QListWidgetItem *item = selected.first();

    TopicRecord record;
    if (m_pool == PoolKind::Issue) {
        const auto sort = ParseNumberEntry(m_ifl->text());
        if (!sort) {
            msg::Show(this, LoadText(30), errorTitle);
            return;
        }
        record.Sort = *sort;
    }
    const QString text = EditedTopicText();
    if (EncodeText(text, Pool().codePage()).size() > MaxTextBytes(m_pool)) {
        msg::Show(this, LoadText(m_pool == PoolKind::Issue ? 38 : 39), errorTitle);
        return;
    }
    const int recordNumber = item->text().toInt();
    // The record keeps its own number when the number box holds none, so that the list stays true to the file.
    bool numberOk = false;
    record.Number = m_tnum->text().trimmed().toShort(&numberOk);
    if (!numberOk)
        record.Number = static_cast<std::int16_t>(recordNumber);
    record.Text = text;
    record.InUse = RecordInUse;

    const auto error =
        m_pool == PoolKind::Issue ? WriteIssueTopic(recordNumber, record) : WriteArgumentTopic(recordNumber, record);
    if (error) {
        msg::Show(this, WriteFailedText(recordNumber, *error), errorTitle);
        return;
    }
    item->setData(MatchPositionRole, 0);
    m_shownText = text;
    m_shownBoxText = m_ttm->document()->toRawText();
}

void topedit::search_Click()
{
    const auto answer = msg::InputBox(this, LoadText(44), LoadText(45), QString());
    if (!answer)
        return;
    const QString keyword = CleanKeyword(*answer);
    if (keyword.isEmpty())
        return;

    bool found = false;
    Pool().enumerate([&](int, const TopicRecord &record) {
        const qsizetype at = LowerCaseInPlace(record.Text).indexOf(keyword);
        if (at < 0)
            return;
        if (!found) {
            m_tlist->clear();
            found = true;
        }
        auto *item = new QListWidgetItem(QString::number(record.Number), m_tlist);
        item->setData(MatchPositionRole, static_cast<int>(at + 1));
    });

    if (found) {
        ClearBoxes();
        m_keywordLength = static_cast<std::int16_t>(std::min<qsizetype>(keyword.size(), INT16_MAX));
    } else {
        msg::Show(this, LoadText(51), LoadText(45));
        m_keywordLength = 0;
    }
}

} // namespace ixo
