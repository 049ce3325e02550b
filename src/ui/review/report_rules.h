#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <cstdint>

namespace ixo {

struct TestState;

// The report of a finished practice test, as the Test Review shows it.
struct ReviewReport
{
    QString name; // file name without folder and extension: "2007-08-16 Issue12 Argument34"
    QString text; // the report, lines ending in CR LF; empty when no section was written
};

// Builds the report from the results of the test: one block per section that has a topic and at least
// one word. Topics are read from the open pools, labels from the text table in the current language, and
// `now` gives the date of the name and of the DATE parts.
ReviewReport BuildReviewReport(const TestState &state, const QDateTime &now);

// Seconds as hours, minutes and seconds, each at least two digits: 2700 gives "00:45:00". Hours are not
// capped; a negative count reads as 0.
QString FormatElapsed(std::int32_t seconds);

// The date part of a report name: year, month and day joined by "-", month and day with two digits.
QString ReportDateName(const QDate &date);

// What a saved report file holds: the box text with every line break as CR LF, then CR LF, in UTF-8.
QByteArray ReportFileBytes(const QString &boxText);

} // namespace ixo
