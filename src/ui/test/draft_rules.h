#pragma once

#include "ui/test/writing_rules.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace ixo {

// The autosave of a writing section: review/autosave1.txt (Issue) or review/autosave2.txt (Argument).
QString DraftFilePath(SectionKind section);

// The autosave file's bytes, UTF-8 with CR LF line breaks: the header line ("ISSUE" or "ARGUMENT", the topic
// number, " - ", the topic text), an empty line, the essay with its line breaks as CR LF, an empty line after
// the essay's last line, and the date line in parentheses.
QByteArray DraftContent(SectionKind section, int topicNo, const QString &topicText, const QString &essay,
                        const QString &dateText);

// Writes the autosave of a section now, stamped with the current date and time: creates the review folder when
// it is missing and replaces the file atomically, so that a failed save leaves the previous file whole.
// Returns the reason on failure; the writing screens go on without a message either way.
std::optional<QString> SaveDraft(SectionKind section, int topicNo, const QString &topicText, const QString &essay);

} // namespace ixo
