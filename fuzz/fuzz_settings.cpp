// Reads arbitrary bytes as a settings file and writes the record back: the record read must survive the
// round trip unchanged, whatever the file held.
#include "data/settings.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const ixo::SettingsRecord record = ixo::SettingsRecord::fromBytes(bytes);
    const QByteArray written = record.toBytes();
    if (written.size() != ixo::SettingsRecord::ByteSize || !(ixo::SettingsRecord::fromBytes(written) == record))
        std::abort();
    return 0;
}
