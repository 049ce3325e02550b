#pragma once

#include "data/code_page.h"

#include <QFile>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

namespace ixo {

enum class PoolKind { Issue, Argument };

// One topic of a pool. `Sort` exists in Issue records only; Argument records ignore it.
struct TopicRecord
{
    std::int16_t Number = 0;
    QString Text;
    std::int16_t Sort = 0;
    std::int16_t InUse = 0;

    friend bool operator==(const TopicRecord &, const TopicRecord &) = default;
};
using IssueTopicRecord = TopicRecord;
using ArgumentTopicRecord = TopicRecord;

// InUse of every record that holds a topic.
inline constexpr std::int16_t RecordInUse = -1;

// Topic numbers that a practice test draws from.
inline constexpr int IssuePoolSize = 244;
inline constexpr int ArgumentPoolSize = 242;

int RecordLength(PoolKind kind);   // 410 or 1000 bytes
int MaxTextBytes(PoolKind kind);   // 402 or 994 bytes
QString PoolFileName(PoolKind kind); // "issue.dat" or "argue.dat"

// The bytes of one whole record. The text must fit (see MaxTextBytes); a longer text is cut to fit.
QByteArray EncodeRecord(PoolKind kind, const TopicRecord &record, CodePage page);

// Reads a record from its bytes. Missing bytes read as zero; a text length that points past the end of the
// record is clipped to the record, and fields that would lie outside it read as zero.
TopicRecord DecodeRecord(PoolKind kind, const QByteArray &bytes, CodePage page);

// One pool file of fixed-length records; record n holds topic n.
class TopicPool final
{
public:
    explicit TopicPool(PoolKind kind) : m_kind(kind) {}
    Q_DISABLE_COPY_MOVE(TopicPool)

    // Opens the file for reading and writing, creating it empty when it does not exist.
    bool open(const QString &path, CodePage page);
    void close();
    bool isOpen() const { return m_file.isOpen(); }
    QString errorString() const { return m_file.errorString(); }
    PoolKind kind() const { return m_kind; }
    CodePage codePage() const { return m_page; }
    QString path() const { return m_file.fileName(); }

    // Record n (n >= 1); bytes beyond the end of the file read as zero, so a record past the end is empty
    // with InUse 0. A closed pool reads as empty records.
    TopicRecord read(int n);

    // Writes record n whole and flushes it. Returns the reason on failure.
    std::optional<QString> write(int n, const TopicRecord &record);

    // Calls `visit` with records 1, 2, 3 ... up to the first whose InUse is not -1.
    void enumerate(const std::function<void(int n, const TopicRecord &)> &visit);

private:
    PoolKind m_kind;
    CodePage m_page = CodePage::Windows1252;
    QFile m_file;
};

// The two pools of the program, opened by the main window and kept open for the whole practice run.
TopicPool &IssuePool();
TopicPool &ArgumentPool();

// Opens data/issue.dat and data/argue.dat in `dataFolder`.
void OpenTopicPools(const QString &dataFolder, CodePage page);
void CloseTopicPools();
IssueTopicRecord ReadIssueTopic(int n);
ArgumentTopicRecord ReadArgumentTopic(int n);
std::optional<QString> WriteIssueTopic(int n, const IssueTopicRecord &record);
std::optional<QString> WriteArgumentTopic(int n, const ArgumentTopicRecord &record);

} // namespace ixo
