#include "app/test_state.h"

#include "data/text_table.h"

namespace ixo {

SettingsRecord &Settings()
{
    static SettingsRecord record;
    return record;
}

TestState &State()
{
    static TestState state;
    return state;
}

void ResetProgramState()
{
    Settings() = SettingsRecord{};
    State() = TestState{};
}

std::int32_t LanguageOffsetFor(std::int16_t language)
{
    return language == 1 ? ChineseOffset : 0;
}

QString LoadText(int englishId)
{
    return TextEntry(englishId + State().LanguageOffset);
}

} // namespace ixo
