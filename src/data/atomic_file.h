#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace ixo {

// How far a replaced file is pushed towards the disk before it takes the old file's place.
enum class Durability {
    // Synced to the disk before the rename: outlives a crash of the machine (settings, saved reports).
    Synced,
    // Renamed without waiting for the disk: still whole or absent after the program is killed at any
    // moment, and the timer tick that writes it stays short (the essay autosaves, written every minute).
    Quick,
};

// Replaces the file at `path` with `content` in one step: the bytes go to a temporary file beside it,
// which is flushed and renamed over the old one. A failure leaves the old file as it was and no temporary
// file behind. Returns the reason on failure.
std::optional<QString> WriteFileAtomically(const QString &path, const QByteArray &content,
                                           Durability durability = Durability::Synced);

// Test seam: the next `count` atomic writes fail before the rename, as a full disk would make them.
void FailNextAtomicWritesForTesting(int count);

} // namespace ixo
