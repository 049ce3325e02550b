#include "data/atomic_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace ixo {

namespace {

int failuresToInject = 0;

bool takeInjectedFailure()
{
    if (failuresToInject <= 0)
        return false;
    --failuresToInject;
    return true;
}

const QString diskFull = QStringLiteral("No space left on device");

std::optional<QString> writeSynced(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(content) != content.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (takeInjectedFailure()) {
        file.cancelWriting();
        return diskFull;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

std::optional<QString> writeQuick(const QString &path, const QByteArray &content)
{
    // One fixed name beside the file: the program writes each of these files from one place at a time, and
    // a temporary file left by a killed program is simply written over by the next save.
    const QString tempPath = path + QStringLiteral(".saving");
    QFile temp(tempPath);
    if (!temp.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return temp.errorString();
    if (temp.write(content) != content.size() || !temp.flush()) {
        const QString reason = temp.errorString();
        temp.remove();
        return reason;
    }
    temp.close();
    if (takeInjectedFailure()) {
        temp.remove();
        return diskFull;
    }
    // rename() puts the new file in the old one's place in one step.
    if (std::rename(QFile::encodeName(tempPath).constData(), QFile::encodeName(path).constData()) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        temp.remove();
        return reason;
    }
    return std::nullopt;
}

} // namespace

void FailNextAtomicWritesForTesting(int count)
{
    failuresToInject = count;
}

std::optional<QString> WriteFileAtomically(const QString &path, const QByteArray &content, Durability durability)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isWritable())
        return QCoreApplication::translate("ixo", "the file is read-only");
    return durability == Durability::Synced ? writeSynced(path, content) : writeQuick(path, content);
}

} // namespace ixo
