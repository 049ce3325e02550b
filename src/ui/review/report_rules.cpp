#include "ui/review/report_rules.h"

#include "app/clock.h"
#include "app/test_state.h"
#include "data/text_table.h"
#include "data/topic_pool.h"

namespace ixo {

namespace {

const QString CrLf = QStringLiteral("\r\n");
const QString TenSpaces(10, QLatin1Char(' '));

// The line of WORDS, TIME and DATE parts of one section, followed by an empty line.
QString countsLine(std::int32_t words, std::int32_t elapsed, const QString &dateTime)
{
    return LoadText(77) + QString::number(words) + TenSpaces + LoadText(78) + FormatElapsed(elapsed) + TenSpaces +
           LoadText(79) + dateTime + CrLf + CrLf;
}

bool written(std::int16_t topicNo, std::int32_t words)
{
    return topicNo != 0 && words > 0;
}

} // namespace

ReviewReport BuildReviewReport(const TestState &state, const QDateTime &now)
{
    ReviewReport report;
    report.name = ReportDateName(now.date());
    const QString dateTime = GeneralDateTimeText(now);

    if (written(state.IssueTopicNo, state.IssueWords)) {
        report.name += QStringLiteral(" Issue") + QString::number(state.IssueTopicNo);
        const IssueTopicRecord topic = ReadIssueTopic(state.IssueTopicNo);
        report.text = LoadText(76) + QStringLiteral("ISSUE") + QString::number(state.IssueTopicNo) +
                      QStringLiteral(" - ") + topic.Text + CrLf;
        report.text += countsLine(state.IssueWords, state.IssueElapsed, dateTime);
        report.text += state.IssueEssay;
    }

    if (written(state.ArgumentTopicNo, state.ArgumentWords)) {
        report.name += QStringLiteral(" Argument") + QString::number(state.ArgumentTopicNo);
        const ArgumentTopicRecord topic = ReadArgumentTopic(state.ArgumentTopicNo);
        // Two empty lines after the Issue essay; a report without one begins with three empty lines.
        report.text += CrLf + CrLf + CrLf;
        report.text += LoadText(76) + QStringLiteral("ARGUMENT") + QString::number(state.ArgumentTopicNo) +
                       QStringLiteral(" - ") + topic.Text + CrLf;
        report.text += countsLine(state.ArgumentWords, state.ArgumentElapsed, dateTime);
        report.text += state.ArgumentEssay;
    }
    return report;
}

QString FormatElapsed(std::int32_t seconds)
{
    const std::int32_t t = seconds < 0 ? 0 : seconds;
    const std::int32_t totalMinutes = t / 60;
    const std::int32_t hours = totalMinutes / 60;
    const auto twoDigits = [](std::int32_t value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); };
    return twoDigits(hours) + QLatin1Char(':') + twoDigits(totalMinutes - 60 * hours) + QLatin1Char(':') +
           twoDigits(t - 60 * totalMinutes);
}

QString ReportDateName(const QDate &date)
{
    return QString::number(date.year()) + QLatin1Char('-') +
           QStringLiteral("%1").arg(date.month(), 2, 10, QLatin1Char('0')) + QLatin1Char('-') +
           QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0'));
}

QByteArray ReportFileBytes(const QString &boxText)
{
    QString text;
    text.reserve(boxText.size() + boxText.size() / 16 + 2);
    for (qsizetype i = 0; i < boxText.size(); ++i) {
        const QChar c = boxText.at(i);
        if (c == QLatin1Char('\r')) {
            if (i + 1 < boxText.size() && boxText.at(i + 1) == QLatin1Char('\n'))
                ++i;
            text += CrLf;
        } else if (c == QLatin1Char('\n') || c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            text += CrLf;
        } else {
            text += c;
        }
    }
    text += CrLf;
    return text.toUtf8();
}

} // namespace ixo
