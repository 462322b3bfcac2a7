#include "SharedPaletteStyle.h"

#include <QStyleOptionButton>

#include <algorithm>

namespace {

// The program's designs have a handful of colour sets; should something ever
// bring an endless row of new ones, the oldest are forgotten.
constexpr qsizetype kMostPalettes = 32;

} // namespace

void SharedPaletteStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                       const QWidget *widget) const
{
    if (const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option)) {
        QStyleOptionButton sharing(*button);
        sharing.palette = shared(button->palette);
        QProxyStyle::drawPrimitive(element, &sharing, painter, widget);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QPalette SharedPaletteStyle::shared(const QPalette &palette) const
{
    QPalette found = palette;
    const auto known = std::find(m_palettes.cbegin(), m_palettes.cend(), palette);
    if (known != m_palettes.cend()) {
        found = *known;
    } else {
        if (m_palettes.size() == kMostPalettes)
            m_palettes.removeFirst();
        m_palettes.append(palette);
    }
    // Which colour group is drawn (active, inactive, disabled) belongs to
    // the option, not to the colours.
    found.setCurrentColorGroup(palette.currentColorGroup());
    return found;
}
