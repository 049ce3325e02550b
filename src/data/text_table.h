#pragma once

#include <QString>

namespace ixo {

// Offset of the Chinese column in the text table.
inline constexpr int ChineseOffset = 1000;

// The raw entry numbered `number` (English 1..83, Chinese 1001..1083); empty when there is none.
QString TextEntry(int number);
bool HasTextEntry(int number);

// The text numbered `englishId` in the current language (adds the test state's LanguageOffset).
QString LoadText(int englishId);

} // namespace ixo
