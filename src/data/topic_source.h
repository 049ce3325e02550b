#pragma once

#include "data/code_page.h"
#include "data/topic_pool.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace ixo {

// The topic source: the editable text form of a pool (resources/topics/*.txt).
//
//     # comment lines before the first header
//
//     == 1 sort 3          (Issue: topic number and category; Argument: "== 1")
//     The text of the topic, one or more lines.
//
//     == 2 sort 7
//     ...
//
// The text is every line after its header up to the next header, trailing blank lines removed, its lines
// joined by CR LF. Numbers run 1, 2, 3 ... in order. The file is UTF-8; the pool holds the code page's bytes.

// The categories a Topic Editor's two-character box can hold.
inline constexpr int MinSort = -9;
inline constexpr int MaxSort = 99;

// A fault of a source, at the line of the topic's header (or of the line itself before the first header).
struct SourceProblem
{
    int line = 0;
    QString message;

    friend bool operator==(const SourceProblem &, const SourceProblem &) = default;
};

struct ParsedTopicSource
{
    QList<TopicRecord> topics; // topic n at index n - 1, with Number n and InUse -1
    QList<SourceProblem> problems;
};

// Reads a source for a pool of `kind`; every text is checked against the code page and the byte limit of
// the record. The topics are usable only when `problems` is empty.
ParsedTopicSource ParseTopicSource(PoolKind kind, const QByteArray &utf8, CodePage page);

// The source of `topics`, numbered by their position from 1, without comments.
QByteArray WriteTopicSource(PoolKind kind, const QList<TopicRecord> &topics);

// Why `text` would not come back unchanged through a source (a blank line, a line that looks like a
// header, a line break other than CR LF, no text at all); nothing when it would.
std::optional<QString> SourceTextProblem(const QString &text);

} // namespace ixo
