#include "app/program_folder.h"
#include "app/road.h"
#include "app/test_state.h"
#include "data/atomic_file.h"
#include "data/settings.h"
#include "data/text_table.h"
#include "platform/display_mode.h"
#include "platform/shell.h"
#include "test_support.h"
#include "ui/look.h"
#include "ui/main/form1.h"
#include "ui/message_box.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace ixo;
using ixo::testing::ProgramFolderFixture;

namespace {

// Every translated caption of the main window and its text number.
const QList<QPair<const char *, int>> Captions = {
    {"m_file", 1},    {"m_f_start", 2},  {"m_f_quit", 3},  {"m_edit", 4},  {"m_e_pool", 5},  {"m_set", 6},
    {"m_s_lan", 7},   {"m_s_lan_c", 8},  {"m_s_lan_e", 9}, {"m_s_ad", 69}, {"m_s_def", 11},  {"m_help", 12},
    {"m_h_home", 13}, {"m_h_about", 14}, {"ilab1", 17},    {"ilab2", 20},  {"ilab3", 21},    {"setis", 18},
    {"iskip", 23},    {"alab1", 17},     {"alab2", 20},    {"alab3", 21},  {"askip", 27},    {"seti1", 15},
    {"seta1", 15},    {"seti2", 16},     {"seta2", 16},    {"Frame1", 22}, {"op_count", 24}, {"op_quick", 26},
    {"op_full", 25},  {"start", 28},
};

// The controls inside the two section frames, whose visibility the option buttons and skip boxes decide.
const QStringList FrameControls = {"ilab1", "ilab2", "ilab3", "seti1", "seti2", "setis", "iss", "its",
                                   "alab1", "alab2", "alab3", "seta1", "seta2", "arg",   "ats"};

template <typename T = QWidget> T *child(QObject *form, const QString &name)
{
    T *found = form->findChild<T *>(name);
    if (!found)
        qFatal("Form1 has no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

QString captionOf(QObject *o)
{
    if (auto *menu = qobject_cast<QMenu *>(o))
        return menu->title();
    if (auto *action = qobject_cast<QAction *>(o))
        return action->text();
    if (auto *box = qobject_cast<QGroupBox *>(o))
        return box->title();
    if (auto *button = qobject_cast<QAbstractButton *>(o))
        return button->text();
    if (auto *label = qobject_cast<QLabel *>(o))
        return label->text();
    return {};
}

QPointer<Form1> openForm()
{
    return qobject_cast<Form1 *>(ShowScreen(Screen::Form1));
}

void closeForm(QPointer<Form1> &form)
{
    if (form)
        form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The visible top-level window with this object name, if any.
QWidget *openWindow(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}

// Types into an entry box as the candidate would, replacing what it held.
void type(Form1 *form, const char *box, const QString &text)
{
    auto *edit = child<QLineEdit>(form, box);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// Runs a list of user actions: the name of a check box or option button is a click on it; "default" is the
// Default item answered with Yes.
void act(Form1 *form, const QString &steps)
{
    for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
        if (step == u"default") {
            msg::QueueAnswer(msg::Yes);
            child<QAction>(form, "m_s_def")->trigger();
        } else {
            QTest::mouseClick(child<QAbstractButton>(form, step), Qt::LeftButton);
        }
    }
}

// A settings record with the fields given, the others 0, as the file holds it.
QByteArray record(std::initializer_list<std::pair<std::int16_t SettingsRecord::*, int>> fields)
{
    SettingsRecord r;
    for (const auto &[field, value] : fields)
        r.*field = static_cast<std::int16_t>(value);
    return r.toBytes();
}

QByteArray confFile(const ProgramFolderFixture &folder)
{
    return folder.readFile(folder.dataPath("conf.dat"));
}

// A display that offers no 640 by 480 mode.
class NoFullScreenDisplay final : public DisplayBackend
{
public:
    DisplayMode currentMode() override { return {1024, 768, 60}; }
    QList<DisplayMode> modes() override { return {{1024, 768, 60}, {800, 600, 60}}; }
    bool setMode(int, int, int) override { return false; }
};

} // namespace

class Form1Test : public QObject
{
    Q_OBJECT

private slots:
    void windowShape()
    {
        ProgramFolderFixture folder;
        QPointer<Form1> form = openForm();
        QVERIFY(form);
        QCOMPARE(form->objectName(), QStringLiteral("Form1"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Ixoran"));
        QVERIFY(form->windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(form->minimumSize(), form->maximumSize());

        // The client area lies under the menu bar and is exactly 377 by 239 pixels.
        QWidget *client = form->clientArea();
        QCOMPARE(client->size(), QSize(377, 239));
        QCOMPARE(client->y(), child<QMenuBar>(form, "menuBar")->height());
        QCOMPARE(form->height(), client->y() + 239);
        QCOMPARE(child(form, "start")->geometry(), look::TwipsRect(2040, 3120, 1575, 375));
        QCOMPARE(child(form, "Frame1")->parentWidget(), client);

        for (const char *box : {"iss", "its", "arg", "ats"})
            QCOMPARE(child<QLineEdit>(form, box)->maxLength(), 3);
        QCOMPARE(child<QAction>(form, "m_f_start")->shortcut(), QKeySequence(Qt::Key_F2));
        for (const char *separator : {"line1", "line2", "lin3"})
            QVERIFY(child<QAction>(form, separator)->isSeparator());
        QVERIFY(child<QAction>(form, "m_s_lan_c")->isCheckable());
        QVERIFY(child<QAction>(form, "m_s_lan_e")->isChecked());
        QCOMPARE(child<QGroupBox>(form, "Framei")->title(), QStringLiteral("ISSUE"));
        QCOMPARE(child<QGroupBox>(form, "Framea")->title(), QStringLiteral("ARGUMENT"));
    }

    // What the load shows for a settings file, and that closing right away writes back what was read.
    void load_data()
    {
        QTest::addColumn<QByteArray>("file"); // null: no conf.dat
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<QString>("selected"); // option buttons selected
        QTest::addColumn<QString>("checked");  // check boxes checked
        QTest::addColumn<QString>("issueTiming");
        QTest::addColumn<QString>("argumentTiming");

        const auto row = [](const char *name, const QByteArray &file, bool chinese, const char *selected,
                            const char *checked, const char *issueTiming, const char *argumentTiming) {
            QTest::newRow(name) << file << chinese << QString(selected) << QString(checked) << QString(issueTiming)
                                << QString(argumentTiming);
        };
        using R = SettingsRecord;
        row("no file", QByteArray(), false, "seti1 seta1", "", "45", "30");
        row("ten bytes",
            record({{&R::Spare, 5}, {&R::IssueRandom, -1}, {&R::IssueMinutes, 90}, {&R::ArgumentMinutes, 20}}).left(10),
            false, "seti2 seta1", "", "90", "30");
        row("everything set",
            record({{&R::Language, 1},
                    {&R::IssueRandom, -1},
                    {&R::ArgumentRandom, -1},
                    {&R::IssueMinutes, -1},
                    {&R::ArgumentMinutes, 999},
                    {&R::IssueSort, -1},
                    {&R::SkipSection, SkipArgument},
                    {&R::WordCount, -1},
                    {&R::QuickStart, -1},
                    {&R::FullScreen, -1},
                    {&R::SafeMode, -1},
                    {&R::ShowWordsAuto, -1}}),
            true, "seti2 seta2", "setis askip op_count op_quick op_full", "0", "999");
        row("skip issue", record({{&R::IssueMinutes, 1}, {&R::ArgumentMinutes, 120}, {&R::SkipSection, SkipIssue}}),
            false, "seti1 seta1", "iskip", "1", "120");
        row("values never written",
            record({{&R::Language, 7},
                    {&R::Spare, -1},
                    {&R::IssueRandom, 3},
                    {&R::ArgumentRandom, 3},
                    {&R::IssueMinutes, 5000},
                    {&R::ArgumentMinutes, -7},
                    {&R::IssueSort, 3},
                    {&R::SkipSection, 3},
                    {&R::WordCount, 3},
                    {&R::QuickStart, 3},
                    {&R::FullScreen, 3}}),
            false, "seti1 seta1", "", "45", "30");
        row("longer file", record({{&R::ArgumentMinutes, 12}}) + "more bytes", false, "seti1 seta1", "", "45", "12");
    }
    void load()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, chinese);
        QFETCH(QString, selected);
        QFETCH(QString, checked);
        QFETCH(QString, issueTiming);
        QFETCH(QString, argumentTiming);

        ProgramFolderFixture folder;
        if (!file.isNull())
            folder.writeDataFile("conf.dat", file);
        State().SecondsLeft = 5;
        State().IssueTopicNo = 9;
        State().ArgumentTopicNo = 9;
        QPointer<Form1> form = openForm();

        QCOMPARE(State().LanguageOffset, chinese ? 1000 : 0);
        QCOMPARE(child<QAction>(form, "m_s_lan_c")->isChecked(), chinese);
        QCOMPARE(child<QAction>(form, "m_s_lan_e")->isChecked(), !chinese);
        QCOMPARE(child<QPushButton>(form, "start")->text(), TextEntry(chinese ? 1028 : 28));
        QCOMPARE(State().SecondsLeft, 60);
        QCOMPARE(State().IssueTopicNo, 0);
        QCOMPARE(State().ArgumentTopicNo, 0);

        for (const char *name : {"seti1", "seti2", "seta1", "seta2"})
            QCOMPARE(child<QRadioButton>(form, name)->isChecked(), selected.split(' ').contains(name));
        for (const char *name : {"setis", "iskip", "askip", "op_count", "op_quick", "op_full"})
            QCOMPARE(child<QCheckBox>(form, name)->isChecked(), checked.split(' ').contains(name));
        QCOMPARE(child<QLineEdit>(form, "its")->text(), issueTiming);
        QCOMPARE(child<QLineEdit>(form, "ats")->text(), argumentTiming);
        // The Sort box shows only with Random while the Issue section is not skipped.
        QCOMPARE(child(form, "setis")->isVisibleTo(form), selected.contains("seti2") && !checked.contains("iskip"));

        closeForm(form);
        QVERIFY(!form);
        QByteArray expected = file.isNull() ? QByteArray(30, '\0') : file;
        if (expected.size() < 30)
            expected.append(QByteArray(30 - expected.size(), '\0'));
        QCOMPARE(confFile(folder), expected);
    }

    // START's checks, in order: each failing step reports, focuses its box and opens nothing; what the
    // steps before it stored stays stored.
    void startEntries_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("issueTopic");
        QTest::addColumn<QString>("argumentTopic");
        QTest::addColumn<QString>("issueTiming");
        QTest::addColumn<QString>("argumentTiming");
        QTest::addColumn<int>("message"); // 0: none
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("issueTopicNo");
        QTest::addColumn<int>("argumentTopicNo");
        QTest::addColumn<int>("issueMinutes");
        QTest::addColumn<int>("argumentMinutes");
        QTest::addColumn<QString>("screen"); // the window that opens; empty: none

        const auto row = [](const char *name, const char *setup, const char *it, const char *at, const char *im,
                            const char *am, int message, const char *focus, int itn, int atn, int imin, int amin,
                            const char *screen) {
            QTest::newRow(name) << setup << it << at << im << am << message << focus << itn << atn << imin << amin
                                << screen;
        };
        row("issue topic empty", "", "", "34", "45", "30", 31, "iss", 0, 0, 0, 0, "");
        row("issue topic abc", "", "abc", "34", "45", "30", 31, "iss", 0, 0, 0, 0, "");
        row("issue topic 0.4", "", "0.4", "34", "45", "30", 31, "iss", 0, 0, 0, 0, "");
        row("issue topic 0", "", "0", "34", "45", "30", 31, "iss", 0, 0, 0, 0, "");
        row("issue topic -5", "", "-5", "34", "45", "30", 31, "iss", -5, 0, 0, 0, "");
        row("issue topic 245", "", "245", "34", "45", "30", 31, "iss", 245, 0, 0, 0, "");
        row("issue topic 244", "", "244", "34", "45", "30", 0, "", 244, 34, 45, 30, "pro1");
        row("issue topic 2.5", "", "2.5", "34", "45", "30", 0, "", 2, 34, 45, 30, "pro1");
        row("issue topic blanks", "", " 7 ", "34", "45", "30", 0, "", 7, 34, 45, 30, "pro1");
        row("argument topic empty", "", "12", "", "45", "30", 33, "arg", 12, 0, 0, 0, "");
        row("argument topic 243", "", "12", "243", "45", "30", 33, "arg", 12, 243, 0, 0, "");
        row("argument topic 242", "", "12", "242", "45", "30", 0, "", 12, 242, 45, 30, "pro1");
        row("issue timing empty", "", "12", "34", "", "30", 35, "its", 12, 34, 0, 0, "");
        row("issue timing abc", "", "12", "34", "abc", "30", 35, "its", 12, 34, 0, 0, "");
        row("argument timing abc", "", "12", "34", "45", "abc", 37, "ats", 12, 34, 45, 0, "");
        row("timing 0 is unlimited", "", "12", "34", "0", "0", 0, "", 12, 34, -1, -1, "pro1");
        row("negative timing is the default", "", "12", "34", "-5", "-5", 0, "", 12, 34, 45, 30, "pro1");
        row("timing 999", "", "12", "34", "999", "999", 0, "", 12, 34, 999, 999, "pro1");
        row("timing rounds", "", "12", "34", "2.5", "0.4", 0, "", 12, 34, 2, -1, "pro1");
        row("skipped issue is not checked", "iskip", "abc", "34", "abc", "30", 0, "", 0, 34, 0, 30, "pro6");
        row("skipped argument is not checked", "askip", "12", "x", "45", "x", 0, "", 12, 0, 45, 0, "pro1");
        row("random needs no number", "seti2 seta2", "", "", "45", "30", 0, "", 0, 0, 45, 30, "pro1");
    }
    void startEntries()
    {
        QFETCH(QString, setup);
        QFETCH(QString, issueTopic);
        QFETCH(QString, argumentTopic);
        QFETCH(QString, issueTiming);
        QFETCH(QString, argumentTiming);
        QFETCH(int, message);
        QFETCH(QString, focus);
        QFETCH(int, issueTopicNo);
        QFETCH(int, argumentTopicNo);
        QFETCH(int, issueMinutes);
        QFETCH(int, argumentMinutes);
        QFETCH(QString, screen);

        ProgramFolderFixture folder;
        QPointer<Form1> form = openForm();
        type(form, "iss", issueTopic);
        type(form, "arg", argumentTopic);
        type(form, "its", issueTiming);
        type(form, "ats", argumentTiming);
        act(form, setup);
        QTest::mouseClick(child(form, "start"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        const QList<msg::Shown> shown = msg::TakeShown();
        if (message) {
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown[0].text, TextEntry(message));
            QCOMPARE(shown[0].title, TextEntry(34));
            QCOMPARE(shown[0].buttons, int(msg::Ok));
            QCOMPARE(shown[0].icon, msg::Icon::None);
            QVERIFY(form);
            QCOMPARE(form->focusWidget()->objectName(), focus);
        } else {
            QCOMPARE(shown.size(), 0);
        }
        QCOMPARE(State().IssueTopicNo, issueTopicNo);
        QCOMPARE(State().ArgumentTopicNo, argumentTopicNo);
        QCOMPARE(Settings().IssueMinutes, issueMinutes);
        QCOMPARE(Settings().ArgumentMinutes, argumentMinutes);
        if (screen.isEmpty()) {
            QVERIFY(form && form->isVisible());
            for (const char *other : {"pro1", "pro3", "pro4", "pro6", "pro7"})
                QVERIFY(!openWindow(other));
        } else {
            QVERIFY(openWindow(screen));
            QVERIFY(!form); // closed and released
        }
    }

    // Which screen START opens, and the countdown it hands over.
    void firstScreen_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("issueTiming");
        QTest::addColumn<QString>("argumentTiming");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("minutesLeft"); // 999: the screen sets it itself

        const auto row = [](const char *name, const char *setup, const char *issueTiming, const char *argumentTiming,
                            const char *screen, int minutesLeft) {
            QTest::newRow(name) << QString(setup) << QString(issueTiming) << QString(argumentTiming) << QString(screen)
                                << minutesLeft;
        };
        row("directions", "", "45", "30", "pro1", 44);
        row("quick start by number", "op_quick", "45", "30", "pro4", 44);
        row("quick start unlimited", "op_quick", "0", "30", "pro4", -2);
        row("quick start random", "op_quick seti2", "90", "30", "pro3", 89);
        row("skip issue", "iskip", "45", "30", "pro6", 999);
        row("skip issue, quick start", "iskip op_quick", "45", "20", "pro7", 19);
        row("skip argument, quick start", "askip op_quick seti2", "45", "30", "pro3", 44);
    }
    void firstScreen()
    {
        QFETCH(QString, setup);
        QFETCH(QString, issueTiming);
        QFETCH(QString, argumentTiming);
        QFETCH(QString, screen);
        QFETCH(int, minutesLeft);

        ProgramFolderFixture folder;
        QPointer<Form1> form = openForm();
        type(form, "iss", "12");
        type(form, "arg", "34");
        type(form, "its", issueTiming);
        type(form, "ats", argumentTiming);
        act(form, setup);
        QTest::mouseClick(child(form, "start"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QVERIFY(openWindow(screen));
        if (minutesLeft != 999)
            QCOMPARE(State().MinutesLeft, minutesLeft);
        QVERIFY(!form);
        // The closing wrote what START stored.
        QCOMPARE(SettingsRecord::fromBytes(confFile(folder)), Settings());
        QCOMPARE(Settings().QuickStart, setup.contains("op_quick") ? -1 : 0);
        QCOMPARE(Settings().IssueRandom, setup.contains("seti2") ? -1 : 0);
    }

    void fullScreenUnavailable()
    {
        ProgramFolderFixture folder;
        SetDisplayBackendForTesting(std::make_unique<NoFullScreenDisplay>());
        QPointer<Form1> form = openForm();
        type(form, "iss", "12");
        type(form, "arg", "34");
        act(form, "op_full op_count");
        QCOMPARE(child<QAction>(form, "m_f_start")->shortcut(), QKeySequence(Qt::Key_F2));
        child<QAction>(form, "m_f_start")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SetDisplayBackendForTesting(nullptr);

        const QList<msg::Shown> shown = msg::TakeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, TextEntry(83));
        QCOMPARE(shown[0].title, TextEntry(34));
        QCOMPARE(shown[0].icon, msg::Icon::None);
        QVERIFY(openWindow("pro1")); // the test runs in the current mode
        QVERIFY(!form);
        const SettingsRecord stored = SettingsRecord::fromBytes(confFile(folder));
        QCOMPARE(stored.FullScreen, 0);
        QCOMPARE(stored.WordCount, -1);
    }

    // The option buttons and skip boxes decide which controls of the two frames show.
    void frameControls_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("hidden");
        QTest::addColumn<int>("skipSection");

        const auto row = [](const char *name, const char *clicks, const QString &hidden, int skipSection) {
            QTest::newRow(name) << QString(clicks) << hidden << skipSection;
        };
        const QString issue = "ilab1 ilab2 ilab3 seti1 seti2 setis iss its";
        const QString argument = "setis alab1 alab2 alab3 seta1 seta2 arg ats";
        row("built in", "", "setis", 0);
        row("random shows sort", "seti2", "iss", 0);
        row("choose again", "seti2 seti1", "setis", 0);
        row("skip issue", "iskip", issue, 1);
        row("skip issue and back", "iskip iskip", "setis", 0);
        row("random, skip issue and back", "seti2 iskip iskip", "iss", 0);
        row("argument random", "seta2", "setis arg", 0);
        row("skip argument", "askip", argument, 2);
        row("argument random, skip and back", "seta2 askip askip", "setis arg", 0);
        row("skip argument clears skip issue", "iskip askip", argument, 2);
        row("skip issue clears skip argument", "askip iskip", issue, 1);
        row("default brings issue back", "seti2 iskip default", "setis", 0);
        row("default brings argument back", "seta2 askip default", "setis", 0);
    }
    void frameControls()
    {
        QFETCH(QString, clicks);
        QFETCH(QString, hidden);
        QFETCH(int, skipSection);

        ProgramFolderFixture folder;
        QPointer<Form1> form = openForm();
        act(form, clicks);

        QStringList actuallyHidden;
        for (const QString &name : FrameControls)
            if (!child(form, name)->isVisibleTo(form))
                actuallyHidden << name;
        QCOMPARE(actuallyHidden.join(' '), hidden.split(' ', Qt::SkipEmptyParts).join(' '));
        QCOMPARE(Settings().SkipSection, skipSection);
        QCOMPARE(child<QCheckBox>(form, "iskip")->isChecked(), skipSection == 1);
        QCOMPARE(child<QCheckBox>(form, "askip")->isChecked(), skipSection == 2);
        for (const char *frame : {"Framei", "Framea", "Frame1"})
            QVERIFY(child(form, frame)->isVisibleTo(form));
    }

    // Default asks first; Yes restores fields 3 to 14 and the controls, keeping the language, the spare
    // field and the word count display. The record reaches the file when the window closes.
    void defaultSettings_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("yes") << int(msg::Yes);
        QTest::newRow("no") << int(msg::No);
    }
    void defaultSettings()
    {
        QFETCH(int, answer);
        ProgramFolderFixture folder;
        using R = SettingsRecord;
        const QByteArray before = record({{&R::Language, 1},
                                          {&R::Spare, 0x1234},
                                          {&R::IssueRandom, -1},
                                          {&R::ArgumentRandom, -1},
                                          {&R::IssueMinutes, 90},
                                          {&R::ArgumentMinutes, -1},
                                          {&R::IssueSort, -1},
                                          {&R::SkipSection, SkipIssue},
                                          {&R::WordCount, -1},
                                          {&R::QuickStart, -1},
                                          {&R::FullScreen, -1},
                                          {&R::RightClickMenu, -1},
                                          {&R::HotKeys, -1},
                                          {&R::SafeMode, 0},
                                          {&R::ShowWordsAuto, -1}});
        folder.writeDataFile("conf.dat", before);
        QPointer<Form1> form = openForm();
        msg::QueueAnswer(answer);
        child<QAction>(form, "m_s_def")->trigger();

        const QList<msg::Shown> shown = msg::TakeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QString::fromUtf8("是否恢复到默认设置？"));
        QCOMPARE(shown[0].title, QString::fromUtf8("设置"));
        QCOMPARE(shown[0].buttons, int(msg::Yes | msg::No));
        QCOMPARE(shown[0].icon, msg::Icon::Question);

        const bool yes = answer == msg::Yes;
        QCOMPARE(child<QLineEdit>(form, "its")->text(), QString(yes ? "45" : "90"));
        QCOMPARE(child<QLineEdit>(form, "ats")->text(), QString(yes ? "30" : "0"));
        QCOMPARE(child<QRadioButton>(form, "seti1")->isChecked(), yes);
        QCOMPARE(child<QRadioButton>(form, "seta1")->isChecked(), yes);
        for (const char *box : {"setis", "iskip", "op_count", "op_quick", "op_full"})
            QCOMPARE(child<QCheckBox>(form, box)->isChecked(), !yes);
        QCOMPARE(child(form, "its")->isVisibleTo(form), yes);

        closeForm(form);
        QByteArray expected = before;
        if (yes) {
            expected =
                QByteArray::fromHex("0100 3412 0000 0000 2d00 1e00 0000 0000 0000 0000 0000 0000 0000 ffff ffff");
        }
        QCOMPARE(confFile(folder).toHex(' '), expected.toHex(' '));
    }

    // The language items relabel the window at once; the choice reaches the file through Quit.
    void languages()
    {
        ProgramFolderFixture folder;
        QPointer<Form1> form = openForm();
        auto checkCaptions = [&form](int offset) {
            for (const auto &[name, id] : Captions)
                QCOMPARE(captionOf(child<QObject>(form, name)), TextEntry(id + offset));
            QCOMPARE(child<QAction>(form, "m_s_lan_c")->isChecked(), offset != 0);
            QCOMPARE(child<QAction>(form, "m_s_lan_e")->isChecked(), offset == 0);
            QCOMPARE(form->windowTitle(), QStringLiteral("Ixoran"));
            QCOMPARE(child<QGroupBox>(form, "Framei")->title(), QStringLiteral("ISSUE"));
            QCOMPARE(child<QGroupBox>(form, "Framea")->title(), QStringLiteral("ARGUMENT"));
        };
        checkCaptions(0);
        child<QAction>(form, "m_s_lan_c")->trigger();
        checkCaptions(1000);
        QCOMPARE(child<QPushButton>(form, "start")->text(), QString::fromUtf8("开 始"));
        QCOMPARE(Settings().Language, 1);

        QTest::mouseClick(child(form, "start"), Qt::LeftButton);
        const QList<msg::Shown> shown = msg::TakeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QString::fromUtf8("ISSUE题号设定错误"));
        QCOMPARE(shown[0].title, QString::fromUtf8("错误"));

        // Quit writes the record and ends the program without running the window's closing.
        child<QAction>(form, "m_f_quit")->trigger();
        QVERIFY(form && form->isVisible());
        QCOMPARE(confFile(folder).left(2), QByteArray::fromHex("0100"));
        QVERIFY(msg::TakeShown().isEmpty());
        closeForm(form);

        form = openForm();
        checkCaptions(1000);
        child<QAction>(form, "m_s_lan_e")->trigger();
        checkCaptions(0);
        QCOMPARE(Settings().Language, 0);
    }

    // A failed write of the settings file is reported once, naming the file; the program goes on.
    void settingsWriteFails_data()
    {
        QTest::addColumn<bool>("quit");
        QTest::newRow("close box") << false;
        QTest::newRow("quit item") << true;
    }
    void settingsWriteFails()
    {
        QFETCH(bool, quit);
        ProgramFolderFixture folder;
        QPointer<Form1> form = openForm();
        FailNextAtomicWritesForTesting(1);
        if (quit)
            child<QAction>(form, "m_f_quit")->trigger();
        else
            closeForm(form);

        const QList<msg::Shown> shown = msg::TakeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title, QStringLiteral("IXO"));
        const QString path = QDir::toNativeSeparators(SettingsFilePath());
        QVERIFY2(shown[0].text.contains(path), qPrintable(shown[0].text));
        QVERIFY2(shown[0].text.size() > path.size() + 20, "the reason is given");
        QCOMPARE(confFile(folder), QByteArray()); // the empty file from the load is left as it was
        QCOMPARE(bool(form), quit);               // the closing is never cancelled
    }

    void homepage()
    {
        ProgramFolderFixture folder;
        SetBrowserTestMode(true);
        QPointer<Form1> form = openForm();
        child<QAction>(form, "m_h_home")->trigger();
        QCOMPARE(LastOpenedAddress(), HomepageAddress());
        SetBrowserTestMode(false);
    }
};

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
