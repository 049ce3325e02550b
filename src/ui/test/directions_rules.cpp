#include "ui/test/directions_rules.h"

#include <algorithm>

namespace ixo {

PagePosition PageDirections(const DirectionsPaging &paging, int value)
{
    const int v = std::clamp(value, 0, paging.max);
    PagePosition position;
    position.pictureTopTwips = -v * paging.stepTwips;
    if (v == 0)
        position.label = QStringLiteral("Beginning");
    else if (v < paging.endFrom)
        position.label = QStringLiteral("More Available");
    else
        position.label = QStringLiteral("End");
    position.atEnd = v >= paging.endFrom;
    return position;
}

} // namespace ixo
