#pragma once

#include "data/settings.h"

#include <QString>

#include <cstdint>

namespace ixo {

// The globals that carry one practice test from the main window through the test screens to the Test
// Review. All zero when the program starts.
struct TestState
{
    std::int32_t LanguageOffset = 0;
    std::int16_t MinutesLeft = 0;
    std::int16_t SecondsLeft = 0;
    std::int16_t IssueTopicNo = 0;
    std::int16_t ArgumentTopicNo = 0;
    std::int32_t IssueWords = 0;
    std::int32_t ArgumentWords = 0;
    std::int32_t IssueElapsed = 0;
    std::int32_t ArgumentElapsed = 0;
    QString IssueEssay;
    QString ArgumentEssay;
    std::int16_t SavedWidth = 0;
    std::int16_t SavedHeight = 0;
    std::int16_t SavedRefreshRate = 0;
};

// The settings record held in memory for the whole run.
SettingsRecord &Settings();
// The state of the practice test.
TestState &State();

// Both back to all zero (program start; tests).
void ResetProgramState();

// The language offset that a Language value selects: 1000 for Chinese, 0 for English and for any value the
// program never writes.
std::int32_t LanguageOffsetFor(std::int16_t language);

} // namespace ixo
