#include "data/atomic_file.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

namespace ixo {

namespace {
int failuresToInject = 0;
}

void FailNextAtomicWritesForTesting(int count)
{
    failuresToInject = count;
}

std::optional<QString> WriteFileAtomically(const QString &path, const QByteArray &content)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isWritable())
        return QCoreApplication::translate("ixo", "the file is read-only");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(content) != content.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (failuresToInject > 0) {
        --failuresToInject;
        file.cancelWriting();
        return QStringLiteral("No space left on device");
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace ixo
