#pragma once

#include <cstdint>

namespace ixo {

// The second Issue topic offered: the number drawn, unless it is the first topic's, in which case the topic
// numbered just below the first (the last of the pool below topic 1).
int SecondTopicNumber(int drawn, int firstTopic, int poolSize);

// The countdown of the Issue topic selection: whole minutes plus the seconds of the current minute (60 down
// to 1). The clock changes once a minute; the time is up when the minutes fall below zero.
class SelectionCountdown final
{
public:
    SelectionCountdown() = default;
    SelectionCountdown(std::int16_t minutesLeft, std::int16_t secondsLeft)
        : m_minutes(minutesLeft), m_seconds(secondsLeft)
    {
    }

    enum class Tick { SameMinute, NewMinute, TimeUp };
    Tick tick();

    std::int16_t minutes() const { return m_minutes; }
    std::int16_t seconds() const { return m_seconds; }

private:
    std::int16_t m_minutes = 0;
    std::int16_t m_seconds = 0;
};

} // namespace ixo
