#include "data/code_page.h"

#include <iconv.h>

#include <cerrno>
#include <map>
#include <utility>

namespace ixo {

namespace {

const char *iconvName(CodePage page)
{
    switch (page) {
    case CodePage::Windows1252: return "CP1252";
    case CodePage::Gbk: return "GBK";
    case CodePage::Big5: return "BIG5";
    case CodePage::ShiftJis: return "CP932";
    case CodePage::Korean949: return "CP949";
    }
    return "CP1252";
}

// Length of the UTF-8 sequence that starts with `lead` (1 for a stray byte).
int utf8Length(unsigned char lead)
{
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

// A converter for each direction, opened once: opening one costs far more than converting a topic.
iconv_t converter(const char *from, const char *to)
{
    struct Converters
    {
        std::map<std::pair<const char *, const char *>, iconv_t> open;
        ~Converters()
        {
            for (const auto &entry : open)
                if (entry.second != reinterpret_cast<iconv_t>(-1))
                    iconv_close(entry.second);
        }
    };
    thread_local Converters converters;
    const auto key = std::make_pair(from, to);
    auto it = converters.open.find(key);
    if (it == converters.open.end())
        it = converters.open.emplace(key, iconv_open(to, from)).first;
    if (it->second != reinterpret_cast<iconv_t>(-1))
        iconv(it->second, nullptr, nullptr, nullptr, nullptr); // back to the initial shift state
    return it->second;
}

// Runs iconv over the whole input; an input sequence it cannot convert is replaced by `replacement` and
// skipped (`skip` tells how many input bytes to skip at that point). Returns the number of replacements.
template <typename Skip>
int convert(const char *from, const char *to, const QByteArray &input, QByteArray &output,
            const QByteArray &replacement, Skip skip)
{
    output.clear();
    iconv_t cd = converter(from, to);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return input.isEmpty() ? 0 : 1;
    int replaced = 0;
    char *in = const_cast<char *>(input.constData());
    size_t inLeft = static_cast<size_t>(input.size());
    char buffer[1024];
    while (true) {
        char *out = buffer;
        size_t outLeft = sizeof buffer;
        const size_t result = iconv(cd, inLeft ? &in : nullptr, inLeft ? &inLeft : nullptr, &out, &outLeft);
        output.append(buffer, static_cast<qsizetype>(sizeof buffer - outLeft));
        if (result != static_cast<size_t>(-1)) {
            if (inLeft == 0)
                break;
            continue;
        }
        if (errno == E2BIG)
            continue;
        // EILSEQ or EINVAL: an unconvertible or incomplete sequence at `in`.
        output.append(replacement);
        ++replaced;
        const size_t n = std::min(inLeft, static_cast<size_t>(skip(static_cast<unsigned char>(*in))));
        in += n;
        inLeft -= n;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (inLeft == 0)
            break;
    }
    return replaced;
}

} // namespace

CodePage CodePageForLocale(const QLocale &locale)
{
    switch (locale.language()) {
    case QLocale::Chinese:
        if (locale.territory() == QLocale::Taiwan || locale.territory() == QLocale::HongKong
            || locale.territory() == QLocale::Macao || locale.script() == QLocale::TraditionalChineseScript)
            return CodePage::Big5;
        return CodePage::Gbk;
    case QLocale::Japanese: return CodePage::ShiftJis;
    case QLocale::Korean: return CodePage::Korean949;
    default: return CodePage::Windows1252;
    }
}

QString CodePageName(CodePage page)
{
    switch (page) {
    case CodePage::Windows1252: return QStringLiteral("Windows-1252");
    case CodePage::Gbk: return QStringLiteral("GBK (936)");
    case CodePage::Big5: return QStringLiteral("Big5 (950)");
    case CodePage::ShiftJis: return QStringLiteral("Shift_JIS (932)");
    case CodePage::Korean949: return QStringLiteral("Korean (949)");
    }
    return QStringLiteral("Windows-1252");
}

QByteArray EncodeText(const QString &text, CodePage page)
{
    QByteArray out;
    convert("UTF-8", iconvName(page), text.toUtf8(), out, QByteArrayLiteral("?"), utf8Length);
    return out;
}

QString DecodeText(const QByteArray &bytes, CodePage page)
{
    QByteArray out;
    convert(iconvName(page), "UTF-8", bytes, out, QByteArrayLiteral("?"), [](unsigned char) { return 1; });
    return QString::fromUtf8(out);
}

bool CanEncode(const QString &text, CodePage page)
{
    QByteArray out;
    return convert("UTF-8", iconvName(page), text.toUtf8(), out, QByteArrayLiteral("?"), utf8Length) == 0;
}

bool CanDecode(const QByteArray &bytes, CodePage page)
{
    QByteArray out;
    return convert(iconvName(page), "UTF-8", bytes, out, QByteArrayLiteral("?"), [](unsigned char) { return 1; }) == 0;
}

} // namespace ixo
