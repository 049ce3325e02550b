#include "data/topic_source.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <limits>

namespace ixo {

namespace {

bool isBlank(const QString &line)
{
    return line.trimmed().isEmpty();
}

QString headerForm(PoolKind kind)
{
    return kind == PoolKind::Issue ? QStringLiteral("'== N sort S'") : QStringLiteral("'== N'");
}

// The first character of `text` that the code page lacks, as it would be named in a message.
QString firstMissingCharacter(const QString &text, CodePage page)
{
    if (CanEncode(text, page))
        return {};
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype width = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, width);
        if (!CanEncode(character, page)) {
            const char32_t code =
                width == 2 ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1)) : text.at(i).unicode();
            return QStringLiteral("'%1' (U+%2)")
                .arg(character, QString::number(static_cast<uint>(code), 16).toUpper().rightJustified(4, u'0'));
        }
        i += width - 1;
    }
    return {};
}

// One topic block as read: its header and the lines after it.
struct Block
{
    int headerLine = 0;
    bool headerValid = false;
    bool validUtf8 = true;
    QString name = QStringLiteral("the topic"); // "topic 12" once the header gives its number
    int number = 0;
    int sort = 0;
    QStringList lines;
    QList<int> lineNumbers;
};

class SourceReader
{
public:
    SourceReader(PoolKind kind, CodePage page) : m_kind(kind), m_page(page) {}

    ParsedTopicSource read(const QByteArray &utf8)
    {
        QByteArray data = utf8;
        if (data.startsWith("\xEF\xBB\xBF"))
            data.remove(0, 3);
        QList<QByteArray> rawLines = data.split('\n');
        if (!rawLines.isEmpty() && rawLines.last().isEmpty())
            rawLines.removeLast(); // the newline that ends the last line
        bool strayTextReported = false;
        for (qsizetype i = 0; i < rawLines.size(); ++i) {
            const int lineNumber = static_cast<int>(i) + 1;
            QByteArray raw = rawLines.at(i);
            if (raw.endsWith('\r'))
                raw.chop(1);
            QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            const QString line = decoder.decode(raw);
            const bool validUtf8 = !decoder.hasError();
            if (!validUtf8)
                problem(lineNumber, QStringLiteral("the line is not valid UTF-8"));
            if (line.startsWith(QLatin1String("=="))) {
                finishBlock();
                startBlock(lineNumber, line);
            } else if (m_block) {
                m_block->lines << line;
                m_block->lineNumbers << lineNumber;
                m_block->validUtf8 = m_block->validUtf8 && validUtf8;
            } else if (!isBlank(line) && !line.startsWith(u'#') && !strayTextReported) {
                problem(lineNumber, QStringLiteral("text before the first topic header"));
                strayTextReported = true;
            }
        }
        finishBlock();
        if (m_nextNumber == 1 && m_out.problems.isEmpty())
            problem(0, QStringLiteral("the source holds no topics"));
        std::stable_sort(m_out.problems.begin(), m_out.problems.end(),
                         [](const SourceProblem &a, const SourceProblem &b) { return a.line < b.line; });
        return std::move(m_out);
    }

private:
    void problem(int line, const QString &message) { m_out.problems.append({line, message}); }

    void startBlock(int lineNumber, const QString &line)
    {
        static const QRegularExpression header(QStringLiteral("^== ([0-9]{1,9})(?: sort (-?[0-9]{1,9}))?$"));
        m_block = Block{};
        m_block->headerLine = lineNumber;
        const int expected = m_nextNumber++;
        const QRegularExpressionMatch match = header.match(line.trimmed());
        if (!match.hasMatch()) {
            problem(lineNumber,
                    QStringLiteral("malformed header '%1'; a header reads %2").arg(line, headerForm(m_kind)));
            return;
        }
        const int number = match.captured(1).toInt();
        m_block->name = QStringLiteral("topic %1").arg(number);
        const bool hasSort = match.hasCaptured(2);
        bool valid = true;
        if (number != expected) {
            problem(lineNumber,
                    QStringLiteral("topic number %1 where %2 was expected; numbers run 1, 2, 3 ... in order")
                        .arg(number)
                        .arg(expected));
            m_nextNumber = number + 1; // count on from here, so one slip is reported once
            valid = false;
        } else if (number > std::numeric_limits<std::int16_t>::max()) {
            problem(lineNumber,
                    QStringLiteral("topic number %1 is past the last record number a pool can hold").arg(number));
            valid = false;
        }
        if (m_kind == PoolKind::Issue && !hasSort) {
            problem(
                lineNumber,
                QStringLiteral("topic %1 has no sort; an Issue header reads %2").arg(number).arg(headerForm(m_kind)));
            valid = false;
        } else if (m_kind == PoolKind::Argument && hasSort) {
            problem(
                lineNumber,
                QStringLiteral("topic %1 has a sort; an Argument header reads %2").arg(number).arg(headerForm(m_kind)));
            valid = false;
        } else if (hasSort) {
            const int sort = match.captured(2).toInt();
            if (sort < MinSort || sort > MaxSort) {
                problem(lineNumber, QStringLiteral("topic %1 has sort %2, outside %3..%4")
                                        .arg(number)
                                        .arg(sort)
                                        .arg(MinSort)
                                        .arg(MaxSort));
                valid = false;
            }
            m_block->sort = sort;
        }
        m_block->number = number;
        m_block->headerValid = valid;
    }

    void finishBlock()
    {
        if (!m_block)
            return;
        Block block = std::move(*m_block);
        m_block.reset();
        while (!block.lines.isEmpty() && isBlank(block.lines.last())) {
            block.lines.removeLast();
            block.lineNumbers.removeLast();
        }
        const int at = block.headerLine;
        const QString &name = block.name;
        bool valid = block.headerValid;
        if (block.lines.isEmpty()) {
            problem(at, QStringLiteral("%1 has no text").arg(name));
            valid = false;
        }
        for (qsizetype i = 0; i < block.lines.size(); ++i) {
            if (isBlank(block.lines.at(i))) {
                problem(at, QStringLiteral("%1 has a blank line inside it (line %2); a topic is one block of lines")
                                .arg(name)
                                .arg(block.lineNumbers.at(i)));
                valid = false;
                break;
            }
        }
        for (qsizetype i = 0; i < block.lines.size(); ++i) {
            if (block.lines.at(i).contains(u'\r')) {
                problem(
                    at,
                    QStringLiteral("%1 has a carriage return inside line %2").arg(name).arg(block.lineNumbers.at(i)));
                valid = false;
                break;
            }
        }
        const QString text = block.lines.join(QStringLiteral("\r\n"));
        // A line that is not UTF-8 has been reported; its stand-in characters say nothing about the code page.
        const QString missing = block.validUtf8 ? firstMissingCharacter(text, m_page) : QString();
        if (!block.validUtf8) {
            valid = false;
        } else if (!missing.isEmpty()) {
            problem(at,
                    QStringLiteral("%1 has the character %2, which %3 lacks").arg(name, missing, CodePageName(m_page)));
            valid = false;
        } else {
            const qsizetype bytes = EncodeText(text, m_page).size();
            if (bytes > MaxTextBytes(m_kind)) {
                problem(at, QStringLiteral("%1 is %2 bytes long in %3, over the limit of %4")
                                .arg(name)
                                .arg(bytes)
                                .arg(CodePageName(m_page))
                                .arg(MaxTextBytes(m_kind)));
                valid = false;
            }
        }
        if (valid) {
            TopicRecord record;
            record.Number = static_cast<std::int16_t>(block.number);
            record.Text = text;
            record.Sort = static_cast<std::int16_t>(m_kind == PoolKind::Issue ? block.sort : 0);
            record.InUse = RecordInUse;
            m_out.topics.append(record);
        }
    }

    PoolKind m_kind;
    CodePage m_page;
    ParsedTopicSource m_out;
    std::optional<Block> m_block;
    int m_nextNumber = 1;
};

} // namespace

ParsedTopicSource ParseTopicSource(PoolKind kind, const QByteArray &utf8, CodePage page)
{
    ParsedTopicSource parsed = SourceReader(kind, page).read(utf8);
    if (!parsed.problems.isEmpty())
        parsed.topics.clear();
    return parsed;
}

QByteArray WriteTopicSource(PoolKind kind, const QList<TopicRecord> &topics)
{
    QString out;
    for (qsizetype i = 0; i < topics.size(); ++i) {
        const TopicRecord &topic = topics.at(i);
        if (i > 0)
            out += u'\n';
        out += QStringLiteral("== %1").arg(i + 1);
        if (kind == PoolKind::Issue)
            out += QStringLiteral(" sort %1").arg(topic.Sort);
        out += u'\n';
        out += QString(topic.Text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
        out += u'\n';
    }
    return out.toUtf8();
}

std::optional<QString> SourceTextProblem(const QString &text)
{
    if (isBlank(text))
        return QStringLiteral("it has no text");
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    for (const QString &line : lines) {
        if (line.contains(u'\r') || line.contains(u'\n'))
            return QStringLiteral("its text has a line break other than CR LF");
        if (isBlank(line))
            return QStringLiteral("its text has a blank line");
        if (line.startsWith(QLatin1String("==")))
            return QStringLiteral("a line of its text starts with '=='");
    }
    return std::nullopt;
}

} // namespace ixo
