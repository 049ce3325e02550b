#include "app/data_files.h"
#include "app/test_state.h"
#include "data/code_page.h"
#include "data/topic_pool.h"
#include "test_support.h"
#include "ui/main/dialogs.h"
#include "ui/message_box.h"
#include "ui/review/topedit.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace ixo;
using namespace Qt::StringLiterals;
using ixo::testing::ProgramFolderFixture;

namespace {

TopicRecord topic(int n, const QString &text, int sort = 0)
{
    return {static_cast<std::int16_t>(n), text, static_cast<std::int16_t>(sort), RecordInUse};
}

// Opens the pools in the fixture's folder with these Issue and Argument topics, numbered from 1.
void preparePools(const QStringList &issues, const QStringList &arguments = {QStringLiteral("An argument.")},
                  CodePage page = CodePage::Windows1252)
{
    SetPoolCodePage(page);
    OpenDataFiles();
    for (int i = 0; i < issues.size(); ++i)
        QVERIFY(!WriteIssueTopic(i + 1, topic(i + 1, issues[i], i + 1)));
    for (int i = 0; i < arguments.size(); ++i)
        QVERIFY(!WriteArgumentTopic(i + 1, topic(i + 1, arguments[i])));
}

const QStringList SearchTopics = {
    u"Line one.\r\nThe brown FOX ran; fox."_s,
    u"Nothing here."_s,
    u"Another \"fox\" tale"_s,
    u"Schools should teach music."_s,
};

class Editor
{
public:
    Editor() : w(new topedit) { w->show(); }
    ~Editor() { w->close(); }

    template <typename T> T *get(const char *name) const { return w->findChild<T *>(QLatin1String(name)); }
    QListWidget *list() const { return get<QListWidget>("tlist"); }
    QPlainTextEdit *text() const { return get<QPlainTextEdit>("ttm"); }
    QLineEdit *sort() const { return get<QLineEdit>("ifl"); }
    QLineEdit *number() const { return get<QLineEdit>("tnum"); }

    QStringList items() const
    {
        QStringList out;
        for (int i = 0; i < list()->count(); ++i)
            out << list()->item(i)->text();
        return out;
    }
    QList<int> matchPositions() const
    {
        QList<int> out;
        for (int i = 0; i < list()->count(); ++i)
            out << list()->item(i)->data(topedit::MatchPositionRole).toInt();
        return out;
    }
    void clickItem(const QString &number) const
    {
        const QList<QListWidgetItem *> found = list()->findItems(number, Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(found.first()).center());
    }
    void press(const char *option) const
    {
        QTest::mousePress(get<QRadioButton>(option), Qt::LeftButton);
        QTest::mouseRelease(get<QRadioButton>(option), Qt::LeftButton);
    }
    void modify() const { QTest::mouseClick(get<QPushButton>("modi"), Qt::LeftButton); }
    void search(std::optional<QString> answer) const
    {
        msg::QueueInput(std::move(answer));
        QTest::mouseClick(get<QPushButton>("search"), Qt::LeftButton);
    }
    bool boxesEmpty() const
    {
        return number()->text().isEmpty() && sort()->text().isEmpty() && text()->toPlainText().isEmpty();
    }

    topedit *w;
};

QStringList numbers(int count)
{
    QStringList out;
    for (int n = 1; n <= count; ++n)
        out << QString::number(n);
    return out;
}

} // namespace

class TopicEditorTest : public QObject
{
    Q_OBJECT

private slots:
    void textLengthLimits_data()
    {
        QTest::addColumn<bool>("issue");
        QTest::addColumn<bool>("gbk");
        QTest::addColumn<QString>("typed"); // as the text box holds it
        QTest::addColumn<bool>("stored");
        const QString han = u"题"_s;
        QTest::newRow("issue 402 bytes") << true << false << QString(402, u'a') << true;
        QTest::newRow("issue 403 bytes") << true << false << QString(403, u'a') << false;
        QTest::newRow("issue line break counts as CR LF, 402")
            << true << false << QString(200, u'a') + "\n" + QString(200, u'b') << true;
        QTest::newRow("issue line break counts as CR LF, 403")
            << true << false << QString(200, u'a') + "\n" + QString(201, u'b') << false;
        QTest::newRow("argument 994 bytes") << false << false << QString(994, u'a') << true;
        QTest::newRow("argument 995 bytes") << false << false << QString(995, u'a') << false;
        QTest::newRow("issue 201 chinese characters") << true << true << han.repeated(201) << true;
        QTest::newRow("issue 202 chinese characters") << true << true << han.repeated(202) << false;
        QTest::newRow("empty text") << true << false << QString() << true;
    }
    void textLengthLimits()
    {
        QFETCH(bool, issue);
        QFETCH(bool, gbk);
        QFETCH(QString, typed);
        QFETCH(bool, stored);
        ProgramFolderFixture fixture;
        preparePools({u"First."_s, u"Second."_s}, {u"First argument."_s, u"Second argument."_s},
                     gbk ? CodePage::Gbk : CodePage::Windows1252);
        const TopicRecord before = issue ? ReadIssueTopic(2) : ReadArgumentTopic(2);

        Editor e;
        if (!issue)
            e.press("op2");
        e.clickItem("2");
        e.text()->setPlainText(typed);
        e.modify();

        const QList<msg::Shown> shown = msg::TakeShown();
        const TopicRecord after = issue ? ReadIssueTopic(2) : ReadArgumentTopic(2);
        if (stored) {
            QVERIFY(shown.isEmpty());
            QCOMPARE(after.Text, QString(typed).replace("\n", "\r\n"));
            QCOMPARE(after.Number, std::int16_t(2));
            QCOMPARE(after.InUse, RecordInUse);
        } else {
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown.first().text, issue ? u"Wrong Issue Topic Length"_s : u"Wrong Argument Topic Length"_s);
            QCOMPARE(shown.first().title, u"Error"_s);
            QCOMPARE(after, before);
        }
        // The list, the selection and the boxes stay as they were either way.
        QCOMPARE(e.list()->selectedItems().first()->text(), u"2"_s);
        QCOMPARE(e.text()->toPlainText(), typed);
    }

    void sortEntry_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("sort"); // -100: refused
        QTest::newRow("minus one") << "-1" << -1;
        QTest::newRow("ninety-nine") << "99" << 99;
        QTest::newRow("half rounds to even") << ".5" << 0;
        QTest::newRow("letters") << "ab" << -100;
        QTest::newRow("empty") << "" << -100;
    }
    void sortEntry()
    {
        QFETCH(QString, entry);
        QFETCH(int, sort);
        ProgramFolderFixture fixture;
        preparePools({u"First."_s});
        Editor e;
        e.clickItem("1");
        QCOMPARE(e.sort()->text(), u"1"_s);
        e.sort()->setText(entry);
        e.modify();
        const QList<msg::Shown> shown = msg::TakeShown();
        if (sort == -100) {
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown.first().text, u"Wrong Issue Sort"_s);
            QCOMPARE(shown.first().title, u"Error"_s);
            QCOMPARE(ReadIssueTopic(1).Sort, std::int16_t(1));
        } else {
            QVERIFY(shown.isEmpty());
            QCOMPARE(ReadIssueTopic(1).Sort, std::int16_t(sort));
        }
    }

    void modifyWithoutSelection()
    {
        ProgramFolderFixture fixture;
        preparePools({u"First."_s});
        Editor e;
        e.modify();
        const QList<msg::Shown> shown = msg::TakeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().text, u"Please select a topic first"_s);
        QCOMPARE(shown.first().title, u"Error"_s);
    }

    void unchangedTextIsWrittenBackExactly()
    {
        ProgramFolderFixture fixture;
        const QString stored = u"Lone LF\nlone CR\rpair\r\nnbsp\u00a0end"_s;
        preparePools({stored});
        Editor e;
        e.clickItem("1");
        QCOMPARE(e.text()->document()->blockCount(), 4); // every kind of break shows as a line break
        e.modify();
        QCOMPARE(ReadIssueTopic(1).Text, stored);

        e.text()->moveCursor(QTextCursor::End);
        e.text()->insertPlainText(u"!"_s);
        e.modify();
        QCOMPARE(ReadIssueTopic(1).Text, u"Lone LF\r\nlone CR\r\npair\r\nnbsp\u00a0end!"_s);
        QVERIFY(msg::TakeShown().isEmpty());
    }

    void search_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QList<int>>("positions");
        QTest::addColumn<int>("keywordLength");
        const QList<int> full = {0, 0, 0, 0};
        QTest::newRow("several hits") << "fox" << QStringList{"1", "3"} << QList<int>{22, 10} << 3;
        QTest::newRow("quotes and capitals") << "\"FOX\"" << QStringList{"1", "3"} << QList<int>{22, 10} << 3;
        QTest::newRow("spaces around") << "  fox " << QStringList{"1", "3"} << QList<int>{22, 10} << 3;
        QTest::newRow("inner spaces kept") << "teach music" << QStringList{"4"} << QList<int>{16} << 11;
        QTest::newRow("spaces only") << "   " << numbers(4) << full << 0;
        QTest::newRow("quotes only") << "\"\"" << numbers(4) << full << 0;
    }
    void search()
    {
        QFETCH(QString, answer);
        QFETCH(QStringList, items);
        QFETCH(QList<int>, positions);
        QFETCH(int, keywordLength);
        ProgramFolderFixture fixture;
        preparePools(SearchTopics);
        Editor e;
        e.clickItem("2");
        e.search(answer);
        const QList<msg::Shown> shown = msg::TakeShown();
        QCOMPARE(shown.size(), 1); // the input box only
        QCOMPARE(shown.first().text, u"Please Input Keyword:"_s);
        QCOMPARE(shown.first().title, u"Topic Search"_s);
        QCOMPARE(e.items(), items);
        QCOMPARE(e.matchPositions(), positions);
        QCOMPARE(e.w->keywordLength(), keywordLength);
        // A search that found something empties the boxes; one that did nothing leaves them.
        QCOMPARE(e.boxesEmpty(), keywordLength > 0);
    }

    void keywordSelectionFollowsTheSearch()
    {
        ProgramFolderFixture fixture;
        preparePools(SearchTopics);
        Editor e;
        e.search(u"fox"_s);
        QVERIFY(e.boxesEmpty());

        // The first occurrence, after a line break, in the text's own case.
        e.clickItem("1");
        QCOMPARE(e.text()->textCursor().selectedText(), u"FOX"_s);
        QCOMPARE(e.w->focusWidget(), e.text());
        QCOMPARE(e.sort()->text(), u"1"_s);

        // Modify forgets the match: the next click selects nothing.
        e.modify();
        e.clickItem("3");
        QCOMPARE(e.text()->textCursor().selectedText(), u"fox"_s);
        e.clickItem("1");
        QVERIFY(!e.text()->textCursor().hasSelection());

        // A search that finds nothing keeps the list, and clicks no longer select.
        msg::TakeShown();
        e.search(u"zebra"_s);
        const QList<msg::Shown> shown = msg::TakeShown();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.last().text, u"Not Found"_s);
        QCOMPARE(shown.last().title, u"Topic Search"_s);
        QCOMPARE(e.items(), (QStringList{"1", "3"}));
        QCOMPARE(e.w->keywordLength(), 0);
        e.clickItem("3");
        QVERIFY(!e.text()->textCursor().hasSelection());
    }

    void pressOnOptionListsWholePool()
    {
        ProgramFolderFixture fixture;
        preparePools(SearchTopics, {u"A."_s, u"B."_s});
        Editor e;
        e.search(u"fox"_s);
        e.clickItem("1");
        QCOMPARE(e.items().size(), 2);

        e.press("op1"); // already selected
        QCOMPARE(e.items(), numbers(4));
        QVERIFY(e.boxesEmpty());
        QVERIFY(e.list()->selectedItems().isEmpty());

        e.press("op2");
        QCOMPARE(e.w->currentPool(), PoolKind::Argument);
        QCOMPARE(e.items(), numbers(2));
        QVERIFY(e.get<QRadioButton>("op2")->isChecked());
        QVERIFY(e.sort()->isHidden());
        QVERIFY(e.get<QLabel>("Label2")->isHidden());
        e.clickItem("2");
        QCOMPARE(e.text()->toPlainText(), u"B."_s);

        e.press("op1");
        QVERIFY(!e.sort()->isHidden());
        QCOMPARE(e.items(), numbers(4));
    }

    void failedWriteIsReportedAndReopenedFilesAreUsed()
    {
        ProgramFolderFixture fixture;
        preparePools(SearchTopics);
        Editor e;
        e.search(u"fox"_s);
        e.clickItem("3");
        e.text()->setPlainText(u"Edited fox"_s);
        msg::TakeShown();

        CloseDataFiles(); // as the Test Review's Return does
        e.modify();
        const QList<msg::Shown> shown = msg::TakeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().title, u"Error"_s);
        QVERIFY2(shown.first().text.contains(u"not open"_s), qPrintable(shown.first().text));
        QCOMPARE(e.items(), (QStringList{"1", "3"}));
        QCOMPARE(e.matchPositions(), (QList<int>{22, 10}));
        QCOMPARE(e.text()->toPlainText(), u"Edited fox"_s);

        OpenDataFiles(); // the main window's load
        e.modify();
        QVERIFY(msg::TakeShown().isEmpty());
        QCOMPARE(ReadIssueTopic(3).Text, u"Edited fox"_s);
        QCOMPARE(e.matchPositions(), (QList<int>{22, 0}));
    }

    void openedOnceAtATime()
    {
        ProgramFolderFixture fixture;
        preparePools({u"First."_s});
        OpenTopicEditor();
        OpenTopicEditor();
        int editors = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            editors += w->objectName() == u"topedit"_s && w->isVisible();
        QCOMPARE(editors, 1);
    }
};

QTEST_MAIN(TopicEditorTest)
#include "tst_topic_editor.moc"
