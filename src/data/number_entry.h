#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace ixo {

// Reads a number typed into an entry box: a decimal number, optionally signed, with an optional fraction
// and spaces around it ("7", " -5 ", "2.5", ".5", "+3."). An empty box is not a number. The value is
// rounded to a whole number, halves to the even neighbour (2.5 gives 2, 3.5 gives 4). A value outside the
// 16-bit range is not a number either.
std::optional<std::int16_t> ParseNumberEntry(const QString &text);

} // namespace ixo
