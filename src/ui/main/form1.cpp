#include "ui/main/form1.h"

#include "app/data_files.h"
#include "app/program_folder.h"
#include "app/road.h"
#include "app/test_state.h"
#include "data/number_entry.h"
#include "data/text_table.h"
#include "data/topic_pool.h"
#include "platform/display_mode.h"
#include "platform/shell.h"
#include "ui/look.h"
#include "ui/main/dialogs.h"
#include "ui/message_box.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

namespace ixo {

namespace {

constexpr int DefaultIssueMinutes = 45;
constexpr int DefaultArgumentMinutes = 30;
constexpr int MostMinutes = 999;
constexpr int EntryLength = 3; // the topic and timing boxes take at most three characters

// The minutes stored for a timing entry: a negative entry means the section's default, 0 means unlimited.
std::int16_t StoredMinutes(std::int16_t entered, int defaultMinutes)
{
    if (entered < 0)
        return static_cast<std::int16_t>(defaultMinutes);
    if (entered == 0)
        return -1;
    return static_cast<std::int16_t>(std::min<int>(entered, MostMinutes));
}

// What a timing box shows for stored minutes: the number, "0" for unlimited, and the box's own text for
// any value the program never stores (a hand-edited file).
QString MinutesText(std::int16_t minutes, const QString &builtIn)
{
    if (minutes >= 1 && minutes <= MostMinutes)
        return QString::number(minutes);
    if (minutes == -1)
        return QStringLiteral("0");
    return builtIn;
}

using Widgets = std::initializer_list<QWidget *>;

template <typename W> W *named(W *w, const char *name)
{
    w->setObjectName(QLatin1String(name));
    return w;
}

QLineEdit *entryBox(QWidget *parent, const char *name, const QString &text = {})
{
    auto *box = named(new QLineEdit(text, parent), name);
    box->setMaxLength(EntryLength);
    return box;
}

QGroupBox *frame(QWidget *parent, const char *name, const QString &caption)
{
    return named(new QGroupBox(caption, parent), name);
}

// Draws a frame's caption in the highlight colour while the controls inside keep the normal colours.
void CaptionInHighlight(QGroupBox *box)
{
    QPalette normal = box->palette();
    QPalette caption = normal;
    const QColor highlight = normal.color(QPalette::Active, QPalette::Highlight);
    // Set explicitly, so that the controls do not inherit the caption's colours.
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (const auto role : {QPalette::WindowText, QPalette::Text})
            normal.setBrush(group, role, normal.brush(group, role));
    caption.setColor(QPalette::WindowText, highlight);
    caption.setColor(QPalette::Text, highlight);
    box->setPalette(caption);
    for (QWidget *control : box->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        control->setPalette(normal);
}

} // namespace

Form1::Form1(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Ixoran"));
    // A fixed single border with a minimise button and no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    buildMenus();
    buildControls();

    // The menu bar on top, the client area of fixed size under it; the window takes exactly their size.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_client);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Form_Load();

    layout->activate();
    centreOnScreen();
}

void Form1::buildMenus()
{
    m_menuBar = named(new QMenuBar(this), "menuBar");

    m_file = named(m_menuBar->addMenu(QString()), "m_file");
    m_f_start = named(m_file->addAction(QString()), "m_f_start");
    m_f_start->setShortcut(QKeySequence(Qt::Key_F2));
    m_f_start->setShortcutContext(Qt::WindowShortcut);
    addAction(m_f_start); // F2 works wherever the focus is in this window
    named(m_file->addSeparator(), "line2");
    m_f_quit = named(m_file->addAction(QString()), "m_f_quit");

    m_edit = named(m_menuBar->addMenu(QString()), "m_edit");
    m_e_pool = named(m_edit->addAction(QString()), "m_e_pool");

    m_set = named(m_menuBar->addMenu(QString()), "m_set");
    m_s_lan = named(m_set->addMenu(QString()), "m_s_lan");
    m_s_lan_c = named(m_s_lan->addAction(QString()), "m_s_lan_c");
    m_s_lan_e = named(m_s_lan->addAction(QString()), "m_s_lan_e");
    m_s_lan_c->setCheckable(true);
    m_s_lan_e->setCheckable(true);
    named(m_set->addSeparator(), "lin3");
    m_s_ad = named(m_set->addAction(QString()), "m_s_ad");
    m_s_def = named(m_set->addAction(QString()), "m_s_def");

    m_help = named(m_menuBar->addMenu(QString()), "m_help");
    m_h_home = named(m_help->addAction(QString()), "m_h_home");
    named(m_help->addSeparator(), "line1");
    m_h_about = named(m_help->addAction(QString()), "m_h_about");

    connect(m_f_start, &QAction::triggered, this, &Form1::m_f_start_Click);
    connect(m_f_quit, &QAction::triggered, this, &Form1::m_f_quit_Click);
    connect(m_e_pool, &QAction::triggered, this, &Form1::m_e_pool_Click);
    connect(m_s_lan_c, &QAction::triggered, this, &Form1::m_s_lan_c_Click);
    connect(m_s_lan_e, &QAction::triggered, this, &Form1::m_s_lan_e_Click);
    connect(m_s_ad, &QAction::triggered, this, &Form1::m_s_ad_Click);
    connect(m_s_def, &QAction::triggered, this, &Form1::m_s_def_Click);
    connect(m_h_home, &QAction::triggered, this, &Form1::m_h_home_Click);
    connect(m_h_about, &QAction::triggered, this, &Form1::m_h_about_Click);
}

void Form1::buildControls()
{
    using look::Place;
    m_client = named(new QWidget(this), "client");
    m_client->setFixedSize(ClientWidth, ClientHeight);
    // The dialog font, a little smaller and tighter so that the longest captions ("Skip Argument",
    // "跳过Argument") fit their boxes; the menu bar keeps the desktop's font.
    QFont font = look::SansFont();
    font.setPixelSize(11);
    font.setLetterSpacing(QFont::PercentageSpacing, 94);
    m_client->setFont(font);

    // Built-in captions are the English texts; the load sets them in the current language.
    Framei = frame(m_client, "Framei", QStringLiteral("ISSUE"));
    Place(Framei, 120, 120, 2655, 1995);
    ilab1 = named(new QLabel(TextEntry(17), Framei), "ilab1");
    Place(ilab1, 120, 360, 615, 255);
    seti1 = named(new QRadioButton(TextEntry(15), Framei), "seti1");
    Place(seti1, 650, 360, 1095, 255);
    seti1->setChecked(true);
    iss = entryBox(Framei, "iss");
    Place(iss, 1800, 360, 495, 285);
    seti2 = named(new QRadioButton(TextEntry(16), Framei), "seti2");
    Place(seti2, 650, 720, 1095, 255);
    setis = named(new QCheckBox(TextEntry(18), Framei), "setis");
    Place(setis, 1800, 720, 735, 255);
    setis->hide();
    iskip = named(new QCheckBox(TextEntry(23), Framei), "iskip");
    Place(iskip, 650, 1080, 1215, 255);
    ilab2 = named(new QLabel(TextEntry(20), Framei), "ilab2");
    Place(ilab2, 120, 1575, 615, 270);
    its = entryBox(Framei, "its", QStringLiteral("45"));
    Place(its, 720, 1560, 495, 285);
    ilab3 = named(new QLabel(TextEntry(21), Framei), "ilab3");
    Place(ilab3, 1320, 1575, 495, 255);

    Framea = frame(m_client, "Framea", QStringLiteral("ARGUMENT"));
    Place(Framea, 2880, 120, 2655, 1995);
    alab1 = named(new QLabel(TextEntry(17), Framea), "alab1");
    Place(alab1, 120, 360, 615, 255);
    seta1 = named(new QRadioButton(TextEntry(15), Framea), "seta1");
    Place(seta1, 650, 360, 1095, 255);
    seta1->setChecked(true);
    arg = entryBox(Framea, "arg");
    Place(arg, 1800, 360, 495, 285);
    seta2 = named(new QRadioButton(TextEntry(16), Framea), "seta2");
    Place(seta2, 650, 720, 1095, 255);
    askip = named(new QCheckBox(TextEntry(27), Framea), "askip");
    Place(askip, 650, 1080, 1455, 255);
    alab2 = named(new QLabel(TextEntry(20), Framea), "alab2");
    Place(alab2, 120, 1575, 735, 300);
    ats = entryBox(Framea, "ats", QStringLiteral("30"));
    Place(ats, 720, 1560, 495, 285);
    alab3 = named(new QLabel(TextEntry(21), Framea), "alab3");
    Place(alab3, 1320, 1575, 495, 255);

    Frame1 = frame(m_client, "Frame1", TextEntry(22));
    Place(Frame1, 120, 2160, 5415, 855);
    op_count = named(new QCheckBox(TextEntry(24), Frame1), "op_count");
    Place(op_count, 240, 360, 1815, 255);
    op_quick = named(new QCheckBox(TextEntry(26), Frame1), "op_quick");
    Place(op_quick, 2160, 360, 1215, 255);
    op_full = named(new QCheckBox(TextEntry(25), Frame1), "op_full");
    Place(op_full, 3960, 360, 1335, 255);

    start = named(new QPushButton(TextEntry(28), m_client), "start");
    Place(start, 2040, 3120, 1575, 375);

    for (QGroupBox *box : {Framei, Framea, Frame1})
        CaptionInHighlight(box);

    // Reactions follow the state, so that setting a box from code reacts as a click does.
    connect(seti1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            seti1_Click();
    });
    connect(seti2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            seti2_Click();
    });
    connect(seta1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            seta1_Click();
    });
    connect(seta2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            seta2_Click();
    });
    connect(iskip, &QCheckBox::toggled, this, &Form1::iskip_Click);
    connect(askip, &QCheckBox::toggled, this, &Form1::askip_Click);
    connect(start, &QPushButton::clicked, this, &Form1::start_Click);
}

void Form1::centreOnScreen()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect r(QPoint(0, 0), size());
    r.moveCenter(screen->availableGeometry().center());
    move(r.topLeft());
}

void Form1::Form_Load()
{
    OpenDataFiles();
    LoadSettings();
    SettingsRecord &s = Settings();
    TestState &t = State();

    // A Language the program never writes shows English and stays as it is in the record.
    t.LanguageOffset = LanguageOffsetFor(s.Language);
    m_s_lan_c->setChecked(t.LanguageOffset != 0);
    m_s_lan_e->setChecked(t.LanguageOffset == 0);
    ApplyCaptions();

    t.SecondsLeft = 60;
    t.IssueTopicNo = 0;
    t.ArgumentTopicNo = 0;

    if (s.IssueRandom == -1)
        seti2->setChecked(true);
    if (s.ArgumentRandom == -1)
        seta2->setChecked(true);
    if (s.IssueSort == -1)
        setis->setChecked(true);

    its->setText(MinutesText(s.IssueMinutes, its->text()));
    ats->setText(MinutesText(s.ArgumentMinutes, ats->text()));

    if (s.SkipSection == SkipIssue)
        iskip->setChecked(true);
    if (s.SkipSection == SkipArgument)
        askip->setChecked(true);

    if (s.WordCount == -1)
        op_count->setChecked(true);
    if (s.QuickStart == -1)
        op_quick->setChecked(true);
    if (s.FullScreen == -1)
        op_full->setChecked(true);
}

void Form1::ApplyCaptions()
{
    m_file->setTitle(LoadText(1));
    m_f_start->setText(LoadText(2));
    m_f_quit->setText(LoadText(3));
    m_edit->setTitle(LoadText(4));
    m_e_pool->setText(LoadText(5));
    m_set->setTitle(LoadText(6));
    m_s_lan->setTitle(LoadText(7));
    m_s_lan_c->setText(LoadText(8));
    m_s_lan_e->setText(LoadText(9));
    m_s_ad->setText(LoadText(69));
    m_s_def->setText(LoadText(11));
    m_help->setTitle(LoadText(12));
    m_h_home->setText(LoadText(13));
    m_h_about->setText(LoadText(14));

    ilab1->setText(LoadText(17));
    ilab2->setText(LoadText(20));
    ilab3->setText(LoadText(21));
    setis->setText(LoadText(18));
    iskip->setText(LoadText(23));

    alab1->setText(LoadText(17));
    alab2->setText(LoadText(20));
    alab3->setText(LoadText(21));
    askip->setText(LoadText(27));

    seti1->setText(LoadText(15));
    seta1->setText(LoadText(15));
    seti2->setText(LoadText(16));
    seta2->setText(LoadText(16));

    Frame1->setTitle(LoadText(22));
    op_count->setText(LoadText(24));
    op_quick->setText(LoadText(26));
    op_full->setText(LoadText(25));

    start->setText(LoadText(28));
}

void Form1::seti1_Click()
{
    iss->show();
    setis->hide();
}

void Form1::seti2_Click()
{
    iss->hide();
    setis->show();
}

void Form1::seta1_Click()
{
    arg->show();
}

void Form1::seta2_Click()
{
    arg->hide();
}

void Form1::iskip_Click()
{
    if (iskip->isChecked()) {
        if (askip->isChecked())
            askip->setChecked(false); // runs its reaction: the Argument controls come back
        for (QWidget *w : Widgets{ilab1, ilab2, ilab3, seti1, seti2, setis, iss, its})
            w->hide();
        Settings().SkipSection = SkipIssue;
    } else {
        for (QWidget *w : Widgets{ilab1, ilab2, ilab3, seti1, seti2})
            w->show();
        if (seti1->isChecked())
            iss->show();
        if (seti2->isChecked())
            setis->show();
        its->show();
        Settings().SkipSection = SkipNone;
    }
}

void Form1::askip_Click()
{
    if (askip->isChecked()) {
        if (iskip->isChecked())
            iskip->setChecked(false); // runs its reaction: the Issue controls come back
        for (QWidget *w : Widgets{alab1, alab2, alab3, seta1, seta2, arg, ats})
            w->hide();
        Settings().SkipSection = SkipArgument;
    } else {
        for (QWidget *w : Widgets{alab1, alab2, alab3, seta1, seta2})
            w->show();
        if (seta1->isChecked())
            arg->show();
        ats->show();
        Settings().SkipSection = SkipNone;
    }
}

void Form1::showStartError(int textId)
{
    msg::Show(this, LoadText(textId), LoadText(34), msg::Ok, msg::Icon::None);
}

void Form1::start_Click()
{
    SettingsRecord &s = Settings();
    TestState &t = State();
    // Each step stores what it has checked at once; a failing step reports, puts the focus into its box
    // and ends START there.
    const auto fail = [this](int textId, QLineEdit *box) {
        showStartError(textId);
        box->setFocus(Qt::OtherFocusReason);
    };

    if (seti1->isChecked() && s.SkipSection != SkipIssue) {
        const auto number = ParseNumberEntry(iss->text());
        if (!number)
            return fail(31, iss);
        t.IssueTopicNo = *number;
        if (*number < 1 || *number > IssuePoolSize)
            return fail(31, iss);
    } else {
        t.IssueTopicNo = 0;
    }

    if (seta1->isChecked() && s.SkipSection != SkipArgument) {
        const auto number = ParseNumberEntry(arg->text());
        if (!number)
            return fail(33, arg);
        t.ArgumentTopicNo = *number;
        if (*number < 1 || *number > ArgumentPoolSize)
            return fail(33, arg);
    } else {
        t.ArgumentTopicNo = 0;
    }

    if (s.SkipSection != SkipIssue) {
        const auto minutes = ParseNumberEntry(its->text());
        if (!minutes)
            return fail(35, its);
        s.IssueMinutes = StoredMinutes(*minutes, DefaultIssueMinutes);
    }

    if (s.SkipSection != SkipArgument) {
        const auto minutes = ParseNumberEntry(ats->text());
        if (!minutes)
            return fail(37, ats);
        s.ArgumentMinutes = StoredMinutes(*minutes, DefaultArgumentMinutes);
    }

    const auto flag = [](bool on) -> std::int16_t { return on ? -1 : 0; };
    s.IssueRandom = flag(seti2->isChecked());
    s.ArgumentRandom = flag(seta2->isChecked());
    s.IssueSort = flag(setis->isChecked());
    s.WordCount = flag(op_count->isChecked());
    s.QuickStart = flag(op_quick->isChecked());
    s.FullScreen = flag(op_full->isChecked());

    // Without a 640 by 480 mode the test runs in the current display mode.
    if (s.FullScreen == -1 && !EnterFullScreen()) {
        s.FullScreen = 0;
        op_full->setChecked(false);
        showStartError(83);
    }

    ShowScreen(FirstScreenAfterStart());
    close(); // the closing writes the settings file
}

void Form1::m_f_start_Click()
{
    start_Click();
}

void Form1::m_f_quit_Click()
{
    saveSettingsReporting();
    // Ends the program at once: no other window's closing reaction runs (quit() would close them all).
    QCoreApplication::exit(0);
}

void Form1::m_e_pool_Click()
{
    OpenTopicEditor();
}

void Form1::setLanguage(int language)
{
    m_s_lan_c->setChecked(language == 1);
    m_s_lan_e->setChecked(language == 0);
    Settings().Language = static_cast<std::int16_t>(language);
    State().LanguageOffset = language == 1 ? ChineseOffset : 0;
    ApplyCaptions();
}

void Form1::m_s_lan_c_Click()
{
    setLanguage(1);
}

void Form1::m_s_lan_e_Click()
{
    setLanguage(0);
}

void Form1::m_s_ad_Click()
{
    ExecAdvancedOptions(this);
}

void Form1::m_s_def_Click()
{
    if (msg::Show(this, LoadText(29), LoadText(19), msg::Yes | msg::No, msg::Icon::Question) != msg::Yes)
        return;

    SettingsRecord &s = Settings();
    s.IssueRandom = 0;
    s.ArgumentRandom = 0;
    s.IssueMinutes = DefaultIssueMinutes;
    s.ArgumentMinutes = DefaultArgumentMinutes;
    s.IssueSort = 0;
    s.SkipSection = SkipNone;
    s.WordCount = 0;
    s.QuickStart = 0;
    s.FullScreen = 0;
    s.RightClickMenu = 0;
    s.HotKeys = 0;
    s.SafeMode = -1;

    seti1->setChecked(true);
    seta1->setChecked(true);
    its->setText(QString::number(DefaultIssueMinutes));
    ats->setText(QString::number(DefaultArgumentMinutes));
    for (QCheckBox *box : {setis, iskip, askip, op_count, op_quick, op_full})
        box->setChecked(false);
}

void Form1::m_h_home_Click()
{
    OpenInBrowser(HomepageAddress());
}

void Form1::m_h_about_Click()
{
    ExecAbout(this);
}

void Form1::saveSettingsReporting()
{
    if (const auto error = SaveSettings()) {
        msg::Show(this,
                  QStringLiteral("The settings could not be saved to\n%1\n\n%2\n\nIxoran goes on with the settings "
                                 "it has in memory.")
                      .arg(QDir::toNativeSeparators(SettingsFilePath()), *error),
                  QStringLiteral("IXO"), msg::Ok, msg::Icon::Warning);
    }
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Whatever closes the window, the settings are written and the closing goes on.
    saveSettingsReporting();
    event->accept();
}

} // namespace ixo
