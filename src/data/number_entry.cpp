#include "data/number_entry.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace ixo {

std::optional<std::int16_t> ParseNumberEntry(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*([+-]?)\s*([0-9]*)(?:\.([0-9]*))?\s*$)"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QString whole = m.captured(2);
    const QString fraction = m.captured(3);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    bool ok = true;
    const double value = QStringLiteral("%1.%2").arg(whole.isEmpty() ? QStringLiteral("0") : whole,
                                                      fraction.isEmpty() ? QStringLiteral("0") : fraction)
                             .toDouble(&ok);
    if (!ok)
        return std::nullopt;
    const double rounded = std::nearbyint(m.captured(1) == QLatin1String("-") ? -value : value);
    if (rounded < std::numeric_limits<std::int16_t>::min() || rounded > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

} // namespace ixo
