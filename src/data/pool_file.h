#pragma once

#include "data/code_page.h"
#include "data/topic_pool.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace ixo {

// Whole pool files held in memory, for building, listing and checking them outside the program.

// A fault of one record of a pool file (record numbers from 1).
struct PoolProblem
{
    int record = 0;
    QString message;

    friend bool operator==(const PoolProblem &, const PoolProblem &) = default;
};

// The bytes of a pool file holding `topics` as records 1, 2, 3 ...; each record gets its position as
// Number and InUse -1. Every text must fit its record.
QByteArray BuildPoolFile(PoolKind kind, const QList<TopicRecord> &topics, CodePage page);

// Records 1, 2, 3 ... up to the first whose InUse is not -1, as the Topic Editor lists them.
QList<TopicRecord> ReadPoolTopics(PoolKind kind, const QByteArray &file, CodePage page);

// What would not come back unchanged if the records ReadPoolTopics lists went through a topic source:
// a Number other than the record number, bytes the code page does not define, a sort outside -9..99,
// a text the source format cannot hold.
QList<PoolProblem> SourceExportProblems(PoolKind kind, const QByteArray &file, CodePage page);

// Checks every record up to the end of the file: a text length that runs past the record, InUse other
// than -1, Number other than the record number, text bytes the code page does not define, a last record
// cut short.
QList<PoolProblem> CheckPoolFile(PoolKind kind, const QByteArray &file, CodePage page);

} // namespace ixo
