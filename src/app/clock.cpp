#include "app/clock.h"

#include <QLocale>

namespace ixo {

namespace {
QDateTime &fixedMoment()
{
    static QDateTime moment;
    return moment;
}
} // namespace

QDateTime CurrentDateTime()
{
    return fixedMoment().isValid() ? fixedMoment() : QDateTime::currentDateTime();
}

void SetCurrentDateTimeForTesting(const QDateTime &moment)
{
    fixedMoment() = moment;
}

QString GeneralDateTimeText(const QDateTime &moment)
{
    static const QLocale locale = QLocale::system();
    return locale.toString(moment.date(), QLocale::ShortFormat) + QLatin1Char(' ')
           + locale.toString(moment.time(), QLocale::LongFormat);
}

} // namespace ixo
