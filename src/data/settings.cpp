#include "data/settings.h"

#include "data/atomic_file.h"

#include <QFile>
#include <QtEndian>

#include <array>

namespace ixo {

namespace {

// The fields in file order.
std::array<std::int16_t *, 15> fields(SettingsRecord &r)
{
    return {&r.Language,  &r.Spare,      &r.IssueRandom, &r.ArgumentRandom, &r.IssueMinutes,
            &r.ArgumentMinutes, &r.IssueSort, &r.SkipSection, &r.WordCount,  &r.QuickStart,
            &r.FullScreen, &r.RightClickMenu, &r.HotKeys, &r.SafeMode,        &r.ShowWordsAuto};
}

} // namespace

QByteArray SettingsRecord::toBytes() const
{
    QByteArray bytes(ByteSize, '\0');
    SettingsRecord copy = *this;
    int offset = 0;
    for (std::int16_t *field : fields(copy)) {
        qToLittleEndian<std::int16_t>(*field, bytes.data() + offset);
        offset += 2;
    }
    return bytes;
}

SettingsRecord SettingsRecord::fromBytes(const QByteArray &bytes)
{
    QByteArray padded = bytes.left(ByteSize);
    padded.append(ByteSize - padded.size(), '\0');
    SettingsRecord record;
    int offset = 0;
    for (std::int16_t *field : fields(record)) {
        *field = qFromLittleEndian<std::int16_t>(padded.constData() + offset);
        offset += 2;
    }
    return record;
}

SettingsRecord ReadSettingsFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return SettingsRecord::fromBytes(file.read(SettingsRecord::ByteSize));
}

std::optional<QString> WriteSettingsFile(const QString &path, const SettingsRecord &record)
{
    QByteArray content = record.toBytes();
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly)) {
        const QByteArray old = existing.readAll();
        if (old.size() > SettingsRecord::ByteSize)
            content.append(old.mid(SettingsRecord::ByteSize));
    }
    return WriteFileAtomically(path, content);
}

} // namespace ixo
