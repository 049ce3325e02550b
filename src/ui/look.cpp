#include "ui/look.h"

namespace ixo::look {

QFont SystemFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(12);
    font.setBold(true);
    return font;
}

QFont SansFont(bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(12);
    font.setBold(bold);
    return font;
}

} // namespace ixo::look
