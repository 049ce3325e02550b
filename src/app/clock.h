#pragma once

#include <QDateTime>
#include <QString>

namespace ixo {

// The system clock, which tests can stop at a fixed moment.
QDateTime CurrentDateTime();
void SetCurrentDateTimeForTesting(const QDateTime &moment); // an invalid moment restores the real clock

// Date and time in the system's general format: short date, a space, long time.
QString GeneralDateTimeText(const QDateTime &moment);

} // namespace ixo
