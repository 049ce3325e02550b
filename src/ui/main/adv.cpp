#include "ui/main/adv.h"

#include "app/data_files.h"
#include "app/program_folder.h"
#include "app/test_state.h"
#include "data/text_table.h"
#include "ui/fixed_window.h"
#include "ui/look.h"
#include "ui/message_box.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace ixo {

namespace {

constexpr std::int16_t Flag(bool on)
{
    return on ? -1 : 0;
}

QString SaveFailedText(const QString &reason)
{
    const QString path = QDir::toNativeSeparators(SettingsFilePath());
    if (State().LanguageOffset == ChineseOffset)
        return QStringLiteral("设置未能保存到 %1：%2").arg(path, reason);
    return QStringLiteral("The settings could not be saved to %1: %2").arg(path, reason);
}

} // namespace

adv::adv(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("adv"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(true);
    SetFixedSingleBorder(this, look::Px(2895), look::Px(2865), TitleButtons::CloseOnly);
    setFont(DialogFont());

    m_frame1 = new QGroupBox(this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    look::Place(m_frame1, 120, 120, 2655, 2175);

    auto check = [this](const char *name, int top, int width) {
        auto *box = new QCheckBox(m_frame1);
        box->setObjectName(QLatin1String(name));
        look::Place(box, 240, top, width, 255);
        return box;
    };
    m_aset1 = check("aset1", 360, 2175);
    m_aset2 = check("aset2", 720, 2055);
    m_aset3 = check("aset3", 1080, 2175);

    m_label1 = new QLabel(QStringLiteral("Show Words:"), m_frame1);
    m_label1->setObjectName(QStringLiteral("Label1"));
    look::Place(m_label1, 240, 1500, 1215, 255);

    m_op1 = new QRadioButton(m_frame1);
    m_op1->setObjectName(QStringLiteral("op1"));
    look::Place(m_op1, 240, 1800, 975, 255);
    m_op2 = new QRadioButton(m_frame1);
    m_op2->setObjectName(QStringLiteral("op2"));
    look::Place(m_op2, 1440, 1800, 975, 255);

    m_ok = new QPushButton(this);
    m_ok->setObjectName(QStringLiteral("ok"));
    look::Place(m_ok, 360, 2400, 975, 375);
    m_canc = new QPushButton(this);
    m_canc->setObjectName(QStringLiteral("canc"));
    look::Place(m_canc, 1560, 2400, 975, 375);

    connect(m_ok, &QPushButton::clicked, this, &adv::ok_Click);
    connect(m_canc, &QPushButton::clicked, this, &adv::canc_Click);

    Form_Load();
    CentreOnScreen(this);
}

void adv::Form_Load()
{
    setWindowTitle(LoadText(70));
    m_frame1->setTitle(LoadText(71));
    m_aset1->setText(LoadText(72));
    m_aset2->setText(LoadText(75));
    m_aset3->setText(LoadText(73));
    m_ok->setText(LoadText(62));
    m_canc->setText(LoadText(74));
    m_label1->setText(LoadText(80));
    m_op1->setText(LoadText(81));
    m_op2->setText(LoadText(82));
    for (QWidget *caption : std::initializer_list<QWidget *>{m_aset1, m_aset2, m_aset3, m_label1, m_op1, m_op2})
        FitCaption(caption);

    const SettingsRecord &s = Settings();
    m_aset1->setChecked(s.RightClickMenu == -1);
    m_aset2->setChecked(s.HotKeys == -1);
    m_aset3->setChecked(s.SafeMode == -1);
    (s.ShowWordsAuto == -1 ? m_op2 : m_op1)->setChecked(true);
}

void adv::ok_Click()
{
    SettingsRecord &s = Settings();
    s.RightClickMenu = Flag(m_aset1->isChecked());
    s.HotKeys = Flag(m_aset2->isChecked());
    s.SafeMode = Flag(m_aset3->isChecked());
    s.ShowWordsAuto = Flag(m_op2->isChecked());
    if (const auto error = SaveSettings())
        msg::Show(this, SaveFailedText(*error), QStringLiteral("IXO"), msg::Ok, msg::Icon::Warning);
    accept();
}

void adv::canc_Click()
{
    reject();
}

} // namespace ixo
