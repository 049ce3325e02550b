#pragma once

#include "data/settings.h"

#include <QString>

#include <cstdint>

namespace ixo {

// The two writing sections of a practice test.
enum class SectionKind { Issue, Argument };

// The dialog panel a writing screen shows or last showed.
enum class PanelKind : std::int16_t {
    None = 0,
    ExitSection = 1,
    QuitTest = 2,
    TimeExpired = 3,
    SectionEnd = 4,
    TestComplete = 5, // the closing panel of Section 2
};

// The section's time limit in minutes as set in the main window (-1: unlimited).
std::int16_t SectionLimit(SectionKind section, const SettingsRecord &settings);

// The seconds stored as the time used when the section runs out: the full limit, in 32 bits.
std::int32_t FullLimitSeconds(std::int16_t limitMinutes);

// Whether a topic is too long for the topic label's usual height: Issue topics over 290 characters,
// Argument topics over 910 characters and the Argument topics 149 and 180.
bool IsLongTopic(SectionKind section, int topicNo, const QString &text);

// The countdown of a writing screen. It starts from the minutes and seconds handed over by the previous screen
// (a section of N minutes arrives as N - 1 and 60) and counts down once a second. The clock reads hours and
// minutes while five minutes or more remain, and hours, minutes and seconds in the last five minutes.
class WritingCountdown final
{
public:
    WritingCountdown() = default;
    WritingCountdown(std::int16_t limitMinutes, std::int16_t minutesLeft, std::int16_t secondsLeft);

    // What one tick brings.
    struct Tick
    {
        QString clockText;        // the clock's new text; null in an unlimited section
        bool saveDue = false;     // a new minute began and Safe Mode is on
        bool blinkStarts = false; // exactly five minutes remain
        bool timeUp = false;      // the section has run out
    };
    Tick tick(bool safeMode);

    // The clock's text when the screen loads.
    QString loadText() const;

    bool unlimited() const { return m_limit == -1; }
    std::int16_t limitMinutes() const { return m_limit; }
    std::int16_t minutes() const { return m_minutes; }
    std::int16_t seconds() const { return m_seconds; }
    std::int32_t ticks() const { return m_ticks; }

    // The Time button hides or shows the clock only while more than four whole minutes are left.
    bool clockCanBeHidden() const { return m_minutes > 4; }
    // The five-minute blink ends when the seconds of the minute read 54.
    bool blinkEnds() const { return m_seconds == 54; }

private:
    std::int16_t m_limit = -1;
    std::int16_t m_minutes = 0;
    std::int16_t m_seconds = 0;
    std::int32_t m_ticks = 0;
};

// What Proceed on a panel leads to.
enum class ProceedStep {
    None,                   // no Proceed button on this panel
    ShowSectionEnd,         // Time Has Expired -> End of Section
    ShowTestComplete,       // Section 2: End of Section -> the closing panel
    OpenReview,             // the Test Review (the display restored first when full screen)
    OpenArgumentWriting,    // Quick Start: straight to the Section 2 writing screen
    OpenArgumentDirections, // the Section 2 directions
};
ProceedStep ProceedFrom(PanelKind shown, SectionKind section, const SettingsRecord &settings);

} // namespace ixo
