#include "app/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ixo {

namespace {
QString &overridePath()
{
    static QString path;
    return path;
}
} // namespace

QString ProgramFolder()
{
    if (!overridePath().isEmpty())
        return overridePath();
    return QCoreApplication::applicationDirPath();
}

void SetProgramFolder(const QString &path)
{
    overridePath() = path;
}

QString DataFolder()
{
    return QDir(ProgramFolder()).filePath(QStringLiteral("data"));
}

QString ReviewFolder()
{
    return QDir(ProgramFolder()).filePath(QStringLiteral("review"));
}

QString SettingsFilePath()
{
    return QDir(DataFolder()).filePath(QStringLiteral("conf.dat"));
}

bool EnsureReviewFolder()
{
    return QDir().mkpath(ReviewFolder()) && QFileInfo(ReviewFolder()).isDir();
}

} // namespace ixo
