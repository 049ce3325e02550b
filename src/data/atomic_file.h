#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace ixo {

// Replaces the file at `path` with `content` in one step: the bytes go to a temporary file beside it,
// which is flushed and renamed over the old one. A failure leaves the old file as it was.
// Returns the reason on failure.
std::optional<QString> WriteFileAtomically(const QString &path, const QByteArray &content);

// Test seam: the next `count` atomic writes fail before the rename, as a full disk would make them.
void FailNextAtomicWritesForTesting(int count);

} // namespace ixo
