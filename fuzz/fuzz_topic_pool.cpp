// Opens arbitrary bytes as an Issue pool and as an Argument pool in the code pages the program uses,
// reads records by number and enumerates them. Every record read must stay within its record, and a
// record written back must read the same.
#include "data/topic_pool.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void check(ixo::PoolKind kind, ixo::CodePage page, const QString &path)
{
    ixo::TopicPool pool(kind);
    if (!pool.open(path, page))
        std::abort();
    int listed = 0;
    pool.enumerate([&](int n, const ixo::TopicRecord &record) {
        ++listed;
        if (record.InUse != ixo::RecordInUse || n > 10000)
            std::abort();
    });
    for (int n : {1, 2, 3, listed + 1, 244}) {
        const ixo::TopicRecord record = pool.read(n);
        if (ixo::EncodeText(record.Text, page).size() > ixo::RecordLength(kind))
            std::abort();
    }
    pool.close();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // A memory-backed folder where there is one: the disk would make every input wait for it.
    static QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isDir() ? QStringLiteral("/dev/shm/ixo-fuzz-XXXXXX")
                                                                       : QDir::tempPath() + QStringLiteral("/ixo-fuzz-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("pool.dat"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    }
    // Through the file, as the program reads it.
    check(ixo::PoolKind::Issue, ixo::CodePage::Windows1252, path);
    check(ixo::PoolKind::Argument, ixo::CodePage::Gbk, path);
    // A record decoded from the first bytes, written back and decoded again, reads the same.
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    for (ixo::PoolKind kind : {ixo::PoolKind::Issue, ixo::PoolKind::Argument}) {
        const ixo::TopicRecord first = ixo::DecodeRecord(kind, bytes, ixo::CodePage::Gbk);
        const QByteArray encoded = ixo::EncodeRecord(kind, first, ixo::CodePage::Gbk);
        if (encoded.size() != ixo::RecordLength(kind))
            std::abort();
        const ixo::TopicRecord again = ixo::DecodeRecord(kind, encoded, ixo::CodePage::Gbk);
        if (again.Number != first.Number || again.InUse != first.InUse)
            std::abort();
    }
    return 0;
}
