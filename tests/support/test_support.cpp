#include "test_support.h"

#include "app/data_files.h"
#include "app/program_folder.h"
#include "app/random.h"
#include "app/clock.h"
#include "app/test_state.h"
#include "ui/message_box.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QWidget>

namespace ixo::testing {

ProgramFolderFixture::ProgramFolderFixture()
{
    QDir(m_dir.path()).mkpath(QStringLiteral("data"));
    QDir(m_dir.path()).mkpath(QStringLiteral("review"));
    SetProgramFolder(m_dir.path());
    SetPoolCodePage(CodePage::Windows1252);
    ResetProgramState();
    ScriptRandomForTesting({});
    SetCurrentDateTimeForTesting({});
    msg::SetTestMode(true);
}

ProgramFolderFixture::~ProgramFolderFixture()
{
    CloseAllWindows();
    CloseDataFiles();
    SetProgramFolder({});
}

QString ProgramFolderFixture::dataPath(const QString &name) const
{
    return QDir(m_dir.path()).filePath(QStringLiteral("data/") + name);
}

QString ProgramFolderFixture::reviewPath(const QString &name) const
{
    return QDir(m_dir.path()).filePath(QStringLiteral("review/") + name);
}

void ProgramFolderFixture::writeDataFile(const QString &name, const QByteArray &bytes) const
{
    QFile file(dataPath(name));
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
}

QByteArray ProgramFolderFixture::readFile(const QString &path) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void CloseAllWindows()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace ixo::testing
