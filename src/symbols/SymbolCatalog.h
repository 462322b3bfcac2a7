#pragma once

#include "SymbolType.h"

#include <QPixmap>
#include <QString>
#include <span>

// One symbol as the result window shows it.
struct SymbolEntry {
    QString name;
    QPixmap picture;
    QString description;
};

// The fixed catalog: per tradition an ordered list of names with their
// pictures. Positions are 1-based; the order is part of the data (pictures,
// names and descriptions are paired by position alone).
namespace SymbolCatalog {

// The stored names of a tradition, position 1 first.
std::span<const char *const> names(SymbolType type);

// The compiled-in resource holding the picture at a position; the @2x
// variant is drawn at twice the size for high-density screens.
QString picturePath(SymbolType type, int position, bool doubleDensity = false);

// The catalog's folder name of a tradition under assets/symbols/.
QString folderName(SymbolType type);

// Decodes the picture at a position: 111 x 111 device-independent pixels,
// taken from the sharper variant when the screen asks for it.
QPixmap picture(SymbolType type, int position, qreal devicePixelRatio = 1.0);

inline constexpr int kTotalEntries = 74;

} // namespace SymbolCatalog
