#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

namespace ixo {

// The 30-byte settings record, record 1 of conf.dat: 15 signed 16-bit little-endian fields.
// Flags hold -1 for true and 0 for false.
struct SettingsRecord
{
    std::int16_t Language = 0;
    std::int16_t Spare = 0;
    std::int16_t IssueRandom = 0;
    std::int16_t ArgumentRandom = 0;
    std::int16_t IssueMinutes = 0;
    std::int16_t ArgumentMinutes = 0;
    std::int16_t IssueSort = 0;
    std::int16_t SkipSection = 0;
    std::int16_t WordCount = 0;
    std::int16_t QuickStart = 0;
    std::int16_t FullScreen = 0;
    std::int16_t RightClickMenu = 0;
    std::int16_t HotKeys = 0;
    std::int16_t SafeMode = 0;
    std::int16_t ShowWordsAuto = 0;

    static constexpr int ByteSize = 30;

    // The record as stored in the file.
    QByteArray toBytes() const;
    // Reads the bytes present; fields the bytes do not cover are 0, bytes after the 30th are ignored.
    static SettingsRecord fromBytes(const QByteArray &bytes);

    friend bool operator==(const SettingsRecord &, const SettingsRecord &) = default;
};

// What SkipSection holds.
enum SkipSectionValue : std::int16_t { SkipNone = 0, SkipIssue = 1, SkipArgument = 2 };

// Reads record 1 of the settings file at `path`. A missing or short file reads as zeros past its end.
SettingsRecord ReadSettingsFile(const QString &path);

// Writes `record` as the first 30 bytes of the settings file at `path`, replacing the file atomically and
// keeping whatever bytes the file held after the record. Returns the reason on failure.
std::optional<QString> WriteSettingsFile(const QString &path, const SettingsRecord &record);

} // namespace ixo
