#include "ImageList.h"

#include "SymbolCatalog.h"

int ImageList::count() const
{
    return symbolCount(m_type);
}

QString ImageList::key(int position) const
{
    return QString::fromLatin1(SymbolCatalog::names(m_type)[position - 1]);
}

QPixmap ImageList::picture(int position, qreal devicePixelRatio) const
{
    return SymbolCatalog::picture(m_type, position, devicePixelRatio);
}
