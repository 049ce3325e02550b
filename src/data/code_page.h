#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>

namespace ixo {

// The 8-bit code pages in which topic texts are stored, so that pool files move between this program and
// Windows systems of the same language.
enum class CodePage {
    Windows1252, // Western languages, and every locale not listed below
    Gbk,         // Chinese (China, Singapore), code page 936
    Big5,        // Chinese (Taiwan, Hong Kong), code page 950
    ShiftJis,    // Japanese, code page 932
    Korean949,   // Korean, code page 949
};

// The code page of a locale, as Windows would choose its ANSI code page.
CodePage CodePageForLocale(const QLocale &locale);

// The code page's name for messages: "Windows-1252", "GBK (936)" ...
QString CodePageName(CodePage page);

// Converts text to the code page. A character the code page lacks becomes "?".
QByteArray EncodeText(const QString &text, CodePage page);

// Converts bytes of the code page to text. A byte sequence the code page does not define becomes "?".
QString DecodeText(const QByteArray &bytes, CodePage page);

// Whether every character of `text` exists in the code page.
bool CanEncode(const QString &text, CodePage page);

// Whether `bytes` is a whole, valid text of the code page: every byte sequence defined, none cut short.
bool CanDecode(const QByteArray &bytes, CodePage page);

} // namespace ixo
