#pragma once

#include <QString>

namespace ixo {

// The two parts of the clock of the test screens: whole hours and the minutes within the hour, each with a
// "0" in front below 10 (hours of 10 or more are not padded further).
struct ClockParts
{
    QString HoursText;
    QString MinutesText;
};

// Formats a whole number of minutes M (0 or more): 44 gives 00 and 44, 75 gives 01 and 15.
ClockParts FormatClock(int minutes);

// "HH:MM" for a number of minutes.
QString ClockText(int minutes);

} // namespace ixo
