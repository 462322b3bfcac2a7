#pragma once

#include <QList>
#include <QPalette>
#include <QProxyStyle>

// The application's own style, drawing push buttons with one palette for all
// equal palettes.
//
// The style keeps the faces of the buttons it has drawn in Qt's pixmap cache,
// under a name that holds the palette's cache key. Every control given
// colours of its own has a palette with a key of its own, even when its
// colours are those of another control, so a window made afresh (the result
// window, on every draw) put new pictures under new names into the cache
// each time, and memory grew with every draw. Drawn with a shared palette,
// the buttons of every such window find the pictures the first one left.
class SharedPaletteStyle final : public QProxyStyle
{
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;

private:
    QPalette shared(const QPalette &palette) const;

    mutable QList<QPalette> m_palettes; // one of each set of colours seen
};
