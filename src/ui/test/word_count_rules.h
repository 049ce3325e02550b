#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

namespace ixo {

// The number of words in an essay. A word is a run of characters other than space, carriage return and line
// feed: tabs, non-breaking spaces, punctuation and hyphens all belong to words.
std::int32_t CountWords(QStringView text);

// What the word count label shows for a count: the number followed by " Words" (no singular form).
QString WordCountText(std::int32_t words);

} // namespace ixo
