#include "data/pool_file.h"

#include "data/topic_source.h"

#include <QtEndian>

namespace ixo {

namespace {

qsizetype recordCount(PoolKind kind, const QByteArray &file)
{
    return file.size() / RecordLength(kind);
}

// Record n, a cut-short one padded with zeros as the program reads it.
QByteArray recordBytes(PoolKind kind, const QByteArray &file, qsizetype n)
{
    QByteArray record = file.mid((n - 1) * RecordLength(kind), RecordLength(kind));
    record.append(RecordLength(kind) - record.size(), '\0');
    return record;
}

int textLength(const QByteArray &record)
{
    return qFromLittleEndian<std::uint16_t>(record.constData() + 2);
}

} // namespace

QByteArray BuildPoolFile(PoolKind kind, const QList<TopicRecord> &topics, CodePage page)
{
    QByteArray file;
    file.reserve(topics.size() * RecordLength(kind));
    for (qsizetype i = 0; i < topics.size(); ++i) {
        TopicRecord record = topics.at(i);
        record.Number = static_cast<std::int16_t>(i + 1);
        record.InUse = RecordInUse;
        file += EncodeRecord(kind, record, page);
    }
    return file;
}

QList<TopicRecord> ReadPoolTopics(PoolKind kind, const QByteArray &file, CodePage page)
{
    QList<TopicRecord> topics;
    // A record past the end of the file reads as zeros: not in use.
    for (qsizetype n = 1; (n - 1) * RecordLength(kind) < file.size(); ++n) {
        const TopicRecord record = DecodeRecord(kind, recordBytes(kind, file, n), page);
        if (record.InUse != RecordInUse)
            break;
        topics.append(record);
    }
    return topics;
}

QList<PoolProblem> SourceExportProblems(PoolKind kind, const QByteArray &file, CodePage page)
{
    QList<PoolProblem> problems;
    const QList<TopicRecord> topics = ReadPoolTopics(kind, file, page);
    for (qsizetype i = 0; i < topics.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        const TopicRecord &topic = topics.at(i);
        if (topic.Number != n)
            problems.append({n, QStringLiteral("Number is %1; the source numbers it %2").arg(topic.Number).arg(n)});
        // The length is within the record here, or InUse would have read as 0.
        const QByteArray record = recordBytes(kind, file, n);
        if (!CanDecode(record.mid(4, textLength(record)), page))
            problems.append({n, QStringLiteral("its text has bytes that %1 does not define; they are exported as '?'")
                                    .arg(CodePageName(page))});
        if (kind == PoolKind::Issue && (topic.Sort < MinSort || topic.Sort > MaxSort))
            problems.append({n, QStringLiteral("sort %1 is outside %2..%3").arg(topic.Sort).arg(MinSort).arg(MaxSort)});
        if (const auto why = SourceTextProblem(topic.Text))
            problems.append({n, *why});
    }
    return problems;
}

QList<PoolProblem> CheckPoolFile(PoolKind kind, const QByteArray &file, CodePage page)
{
    QList<PoolProblem> problems;
    const int length = RecordLength(kind);
    const qsizetype whole = recordCount(kind, file);
    for (qsizetype i = 0; i < whole; ++i) {
        const int n = static_cast<int>(i) + 1;
        const QByteArray record = recordBytes(kind, file, n);
        const int textBytes = textLength(record);
        if (textBytes > MaxTextBytes(kind)) {
            problems.append({n, QStringLiteral("text length %1 runs past the end of the record (at most %2)")
                                    .arg(textBytes)
                                    .arg(MaxTextBytes(kind))});
            continue; // the fields after the text cannot be found
        }
        const TopicRecord topic = DecodeRecord(kind, record, page);
        if (topic.InUse != RecordInUse)
            problems.append({n, QStringLiteral("InUse is %1, not -1").arg(topic.InUse)});
        if (topic.Number != n)
            problems.append({n, QStringLiteral("Number is %1, not the record number %2").arg(topic.Number).arg(n)});
        if (!CanDecode(record.mid(4, textBytes), page))
            problems.append({n, QStringLiteral("text has bytes that %1 does not define").arg(CodePageName(page))});
    }
    if (const qsizetype rest = file.size() - whole * length; rest > 0)
        problems.append(
            {static_cast<int>(whole) + 1,
             QStringLiteral("cut short: the file ends %1 bytes into this record of %2").arg(rest).arg(length)});
    return problems;
}

} // namespace ixo
