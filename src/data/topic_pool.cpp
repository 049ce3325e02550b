#include "data/topic_pool.h"

#include <QDir>
#include <QtEndian>

namespace ixo {

int RecordLength(PoolKind kind)
{
    return kind == PoolKind::Issue ? 410 : 1000;
}

int MaxTextBytes(PoolKind kind)
{
    // Number, length and InUse take 6 bytes; an Issue record also holds Sort.
    return RecordLength(kind) - (kind == PoolKind::Issue ? 8 : 6);
}

QString PoolFileName(PoolKind kind)
{
    return kind == PoolKind::Issue ? QStringLiteral("issue.dat") : QStringLiteral("argue.dat");
}

QByteArray EncodeRecord(PoolKind kind, const TopicRecord &record, CodePage page)
{
    QByteArray bytes(RecordLength(kind), '\0');
    const QByteArray text = EncodeText(record.Text, page).left(MaxTextBytes(kind));
    char *p = bytes.data();
    qToLittleEndian<std::int16_t>(record.Number, p);
    qToLittleEndian<std::uint16_t>(static_cast<std::uint16_t>(text.size()), p + 2);
    memcpy(p + 4, text.constData(), static_cast<size_t>(text.size()));
    int offset = 4 + static_cast<int>(text.size());
    if (kind == PoolKind::Issue) {
        qToLittleEndian<std::int16_t>(record.Sort, p + offset);
        offset += 2;
    }
    qToLittleEndian<std::int16_t>(record.InUse, p + offset);
    return bytes;
}

TopicRecord DecodeRecord(PoolKind kind, const QByteArray &bytes, CodePage page)
{
    const int length = RecordLength(kind);
    QByteArray record = bytes.left(length);
    record.append(length - record.size(), '\0');
    const char *p = record.constData();
    auto int16At = [&](int offset) -> std::int16_t {
        if (offset + 2 > length)
            return 0;
        return qFromLittleEndian<std::int16_t>(p + offset);
    };
    TopicRecord out;
    out.Number = int16At(0);
    const int textLength = std::min<int>(qFromLittleEndian<std::uint16_t>(p + 2), length - 4);
    out.Text = DecodeText(record.mid(4, textLength), page);
    int offset = 4 + textLength;
    if (kind == PoolKind::Issue) {
        out.Sort = int16At(offset);
        offset += 2;
    }
    out.InUse = int16At(offset);
    return out;
}

bool TopicPool::open(const QString &path, CodePage page)
{
    close();
    m_page = page;
    m_file.setFileName(path);
    return m_file.open(QIODevice::ReadWrite);
}

void TopicPool::close()
{
    if (m_file.isOpen())
        m_file.close();
}

TopicRecord TopicPool::read(int n)
{
    if (n < 1 || !m_file.isOpen())
        return {};
    const qint64 length = RecordLength(m_kind);
    const qint64 offset = (n - 1) * length;
    QByteArray bytes;
    if (offset < m_file.size() && m_file.seek(offset))
        bytes = m_file.read(length);
    return DecodeRecord(m_kind, bytes, m_page);
}

std::optional<QString> TopicPool::write(int n, const TopicRecord &record)
{
    if (n < 1)
        return QStringLiteral("there is no record %1").arg(n);
    if (!m_file.isOpen())
        return QStringLiteral("the topic file is not open");
    const qint64 length = RecordLength(m_kind);
    const QByteArray bytes = EncodeRecord(m_kind, record, m_page);
    if (!m_file.seek((n - 1) * length) || m_file.write(bytes) != bytes.size() || !m_file.flush())
        return m_file.errorString();
    return std::nullopt;
}

void TopicPool::enumerate(const std::function<void(int, const TopicRecord &)> &visit)
{
    for (int n = 1;; ++n) {
        const TopicRecord record = read(n);
        if (record.InUse != RecordInUse)
            return;
        visit(n, record);
    }
}

TopicPool &IssuePool()
{
    static TopicPool pool(PoolKind::Issue);
    return pool;
}

TopicPool &ArgumentPool()
{
    static TopicPool pool(PoolKind::Argument);
    return pool;
}

void OpenTopicPools(const QString &dataFolder, CodePage page)
{
    const QDir dir(dataFolder);
    IssuePool().open(dir.filePath(PoolFileName(PoolKind::Issue)), page);
    ArgumentPool().open(dir.filePath(PoolFileName(PoolKind::Argument)), page);
}

void CloseTopicPools()
{
    IssuePool().close();
    ArgumentPool().close();
}

IssueTopicRecord ReadIssueTopic(int n)
{
    return IssuePool().read(n);
}

ArgumentTopicRecord ReadArgumentTopic(int n)
{
    return ArgumentPool().read(n);
}

std::optional<QString> WriteIssueTopic(int n, const IssueTopicRecord &record)
{
    return IssuePool().write(n, record);
}

std::optional<QString> WriteArgumentTopic(int n, const ArgumentTopicRecord &record)
{
    return ArgumentPool().write(n, record);
}

} // namespace ixo
