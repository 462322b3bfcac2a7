#pragma once

#include "SymbolType.h"

#include <QList>
#include <QString>
#include <array>

// The description tables: per tradition N + 1 slots, slot 0 never used and
// slots 1 to N filled with the tradition's texts when the tradition is drawn.
class modGoodLuckSymbol
{
public:
    modGoodLuckSymbol();

    void FillIndianDesc();
    void FillChineseDesc();
    void FillJapaneseDesc();
    void FillEgyptianDesc();
    void FillEnglishDesc();
    void FillArabianDesc();
    void FillNativeAmericanDesc();

    // Runs the fill operation of the given tradition.
    void fill(SymbolType type);

    const QList<QString> &table(SymbolType type) const { return m_tables[indexOf(type)]; }
    QString description(SymbolType type, int position) const { return table(type).at(position); }

private:
    std::array<QList<QString>, kSymbolTypeCount> m_tables;
};
