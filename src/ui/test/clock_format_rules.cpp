#include "ui/test/clock_format_rules.h"

namespace ixo {

namespace {
QString twoDigits(int value)
{
    return value < 10 ? QStringLiteral("0%1").arg(value) : QString::number(value);
}
} // namespace

ClockParts FormatClock(int minutes)
{
    const int hours = minutes / 60;
    return {twoDigits(hours), twoDigits(minutes - 60 * hours)};
}

QString ClockText(int minutes)
{
    const ClockParts parts = FormatClock(minutes);
    return parts.HoursText + QLatin1Char(':') + parts.MinutesText;
}

} // namespace ixo
