#pragma once

#include "SymbolType.h"

#include <QPixmap>
#include <QString>

// An ordered list of pictures with a text key each, read by 1-based position:
// the program's own stand-in for the image-list component the window designs
// name (MSComctlLib.ImageList, image size 111 x 111). The pictures stay
// compressed until a position is asked for.
class ImageList
{
public:
    explicit ImageList(SymbolType type)
        : m_type(type)
    {
    }

    SymbolType type() const { return m_type; }
    int count() const;
    QString key(int position) const;
    QPixmap picture(int position, qreal devicePixelRatio = 1.0) const;

private:
    SymbolType m_type;
};
