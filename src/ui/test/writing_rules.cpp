#include "ui/test/writing_rules.h"

#include "ui/test/clock_format_rules.h"

namespace ixo {

std::int16_t SectionLimit(SectionKind section, const SettingsRecord &settings)
{
    return section == SectionKind::Issue ? settings.IssueMinutes : settings.ArgumentMinutes;
}

std::int32_t FullLimitSeconds(std::int16_t limitMinutes)
{
    return static_cast<std::int32_t>(limitMinutes) * 60;
}

bool IsLongTopic(SectionKind section, int topicNo, const QString &text)
{
    if (section == SectionKind::Issue)
        return text.size() > 290;
    return text.size() > 910 || topicNo == 149 || topicNo == 180;
}

WritingCountdown::WritingCountdown(std::int16_t limitMinutes, std::int16_t minutesLeft, std::int16_t secondsLeft)
    : m_limit(limitMinutes), m_minutes(minutesLeft), m_seconds(secondsLeft)
{
}

QString WritingCountdown::loadText() const
{
    if (unlimited())
        return QStringLiteral("Unlimited");
    return ClockText(m_minutes);
}

WritingCountdown::Tick WritingCountdown::tick(bool safeMode)
{
    Tick result;
    ++m_ticks;
    if (unlimited())
        return result;

    --m_seconds;
    const ClockParts parts = FormatClock(m_minutes);
    result.clockText = parts.HoursText + QLatin1Char(':') + parts.MinutesText;
    if (m_minutes <= 4)
        result.clockText += (m_seconds < 10 ? QStringLiteral(":0") : QStringLiteral(":")) + QString::number(m_seconds);

    if (m_seconds <= 0) {
        m_seconds = 60;
        --m_minutes;
        if (m_minutes < 0) {
            result.timeUp = true;
            return result;
        }
        result.saveDue = safeMode;
    }
    result.blinkStarts = m_seconds == 60 && m_minutes == 4;
    return result;
}

ProceedStep ProceedFrom(PanelKind shown, SectionKind section, const SettingsRecord &settings)
{
    switch (shown) {
    case PanelKind::TimeExpired:
        return ProceedStep::ShowSectionEnd;
    case PanelKind::SectionEnd:
        if (section == SectionKind::Argument)
            return ProceedStep::ShowTestComplete;
        if (settings.SkipSection == SkipArgument)
            return ProceedStep::OpenReview;
        if (settings.QuickStart == -1)
            return ProceedStep::OpenArgumentWriting;
        return ProceedStep::OpenArgumentDirections;
    case PanelKind::TestComplete:
        return ProceedStep::OpenReview;
    case PanelKind::None:
    case PanelKind::ExitSection:
    case PanelKind::QuitTest:
        break;
    }
    return ProceedStep::None;
}

} // namespace ixo
