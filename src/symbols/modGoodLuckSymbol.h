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
    modGoodLuckSymbol(const modGoodLuckSymbol &) = delete;
    modGoodLuckSymbol &operator=(const modGoodLuckSymbol &) = delete;

    QList<QString> IndianDesc;
    QList<QString> ChineseDesc;
    QList<QString> JapaneseDesc;
    QList<QString> EgyptianDesc;
    QList<QString> EnglishDesc;
    QList<QString> ArabianDesc;
    QList<QString> NativeAmericanDesc;

    void FillIndianDesc();
    void FillChineseDesc();
    void FillJapaneseDesc();
    void FillEgyptianDesc();
    void FillEnglishDesc();
    void FillArabianDesc();
    void FillNativeAmericanDesc();

    // The fill operation of a tradition's own table.
    using FillOperation = void (modGoodLuckSymbol::*)();
    static FillOperation fillOperation(SymbolType type);

    // Runs the fill operation of the given tradition.
    void fill(SymbolType type) { (this->*fillOperation(type))(); }

    const QList<QString> &table(SymbolType type) const { return *m_tables[indexOf(type)]; }
    QString description(SymbolType type, int position) const { return table(type).at(position); }

private:
    void fillTable(QList<QString> &table, SymbolType type);

    // The seven tables above, in tradition order.
    const std::array<QList<QString> *, kSymbolTypeCount> m_tables{
        &IndianDesc, &ChineseDesc, &JapaneseDesc, &EgyptianDesc, &EnglishDesc, &ArabianDesc, &NativeAmericanDesc,
    };
};
