#include "ui/test/word_count_rules.h"

namespace ixo {

namespace {
constexpr bool separates(char16_t c)
{
    return c == u' ' || c == u'\r' || c == u'\n';
}
} // namespace

std::int32_t CountWords(QStringView text)
{
    // A word begins wherever a non-separator follows a separator (or the start of the text). Counting the
    // beginnings without a branch keeps the recount of a long essay on every keystroke cheap.
    const char16_t *c = text.utf16();
    const qsizetype n = text.size();
    std::int32_t count = 0;
    bool previousSeparates = true;
    for (qsizetype i = 0; i < n; ++i) {
        const bool s = separates(c[i]);
        count += static_cast<std::int32_t>(previousSeparates & !s);
        previousSeparates = s;
    }
    return count;
}

QString WordCountText(std::int32_t words)
{
    return QString::number(words) + QStringLiteral(" Words");
}

} // namespace ixo
