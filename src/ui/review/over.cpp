#include "ui/review/over.h"

#include "app/clock.h"
#include "app/data_files.h"
#include "app/program_folder.h"
#include "app/road.h"
#include "app/test_state.h"
#include "data/atomic_file.h"
#include "data/text_table.h"
#include "ui/fixed_window.h"
#include "ui/look.h"
#include "ui/message_box.h"
#include "ui/review/report_rules.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>

namespace ixo {

namespace {

const QString Ixo = QStringLiteral("IXO");

QString saveFailedText(const QString &fileName, const QString &reason)
{
    if (State().LanguageOffset == ChineseOffset)
        return QStringLiteral("文本未能保存到 %1：%2").arg(fileName, reason);
    return QStringLiteral("The file %1 could not be saved: %2").arg(fileName, reason);
}

} // namespace

over::over(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("over"));
    setAttribute(Qt::WA_DeleteOnClose);
    SetFixedSingleBorder(this, look::Px(7905), look::Px(5850), TitleButtons::Minimize);

    setFont(DialogFont());

    m_res = new QPlainTextEdit(this);
    m_res->setObjectName(QStringLiteral("res"));
    look::Place(m_res, 0, 0, 7920, 5295);
    m_res->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_res->setFont(look::SystemFont());

    auto button = [this](const char *name, int left, int width) {
        auto *b = new QPushButton(this);
        b->setObjectName(QLatin1String(name));
        look::Place(b, left, 5400, width, 375);
        return b;
    };
    m_copall = button("copall", 120, 1575);
    m_save = button("save", 1800, 1575);
    m_quit = button("quit", 5280, 1215);
    m_back = button("back", 6600, 1215);

    connect(m_copall, &QPushButton::clicked, this, &over::copall_Click);
    connect(m_save, &QPushButton::clicked, this, &over::save_Click);
    connect(m_quit, &QPushButton::clicked, this, &over::quit_Click);
    connect(m_back, &QPushButton::clicked, this, &over::back_Click);

    Form_Load();
    CentreOnScreen(this);
}

void over::ApplyReviewCaptions()
{
    setWindowTitle(LoadText(59));
    m_copall->setText(LoadText(50));
    m_save->setText(LoadText(53));
    m_quit->setText(LoadText(55));
    m_back->setText(LoadText(54));
}

void over::Form_Load()
{
    ApplyReviewCaptions();
    const ReviewReport report = BuildReviewReport(State(), CurrentDateTime());
    m_reportName = report.name;
    m_res->setPlainText(report.text);
}

void over::copall_Click()
{
    m_res->selectAll();
    m_res->setFocus();
    QGuiApplication::clipboard()->setText(m_res->toPlainText());
}

void over::save_Click()
{
    if (m_res->toPlainText().isEmpty()) {
        msg::Show(this, LoadText(58), Ixo);
        return;
    }
    SaveReport(QDir(ReviewFolder()).filePath(m_reportName + QStringLiteral(".txt")));
}

void over::SaveReport(const QString &path)
{
    const QString fileName = m_reportName + QStringLiteral(".txt");
    // The review folder beside the program may have been removed since the start; reports need it.
    if (!EnsureReviewFolder()) {
        msg::Show(this,
                  saveFailedText(
                      fileName,
                      QStringLiteral("the folder %1 cannot be created").arg(QDir::toNativeSeparators(ReviewFolder()))),
                  Ixo, msg::Ok, msg::Icon::Warning);
        return;
    }
    if (QFileInfo::exists(path) &&
        msg::Show(this, LoadText(56), Ixo, msg::Yes | msg::No, msg::Icon::Question, msg::No) != msg::Yes)
        return;
    if (const auto error = WriteFileAtomically(path, ReportFileBytes(m_res->toPlainText()))) {
        msg::Show(this, saveFailedText(fileName, *error), Ixo, msg::Ok, msg::Icon::Warning);
        return;
    }
    msg::Show(this, LoadText(57) + fileName, Ixo);
}

void over::back_Click()
{
    CloseDataFiles();
    ShowScreen(Screen::Form1);
    close();
}

void over::quit_Click()
{
    // Ends the program without closing any window: nothing more is written.
    QCoreApplication::exit(0);
}

} // namespace ixo
