#include "ui/test/topic_selection_rules.h"

namespace ixo {

int SecondTopicNumber(int drawn, int firstTopic, int poolSize)
{
    if (drawn != firstTopic)
        return drawn;
    const int below = firstTopic - 1;
    return below == 0 ? poolSize : below;
}

SelectionCountdown::Tick SelectionCountdown::tick()
{
    --m_seconds;
    if (m_seconds > 0)
        return Tick::SameMinute;
    m_seconds = 60;
    --m_minutes;
    return m_minutes < 0 ? Tick::TimeUp : Tick::NewMinute;
}

} // namespace ixo
