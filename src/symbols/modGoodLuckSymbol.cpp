#include "modGoodLuckSymbol.h"

#include "DescriptionTexts.h"

modGoodLuckSymbol::modGoodLuckSymbol()
{
    for (SymbolType type : kAllSymbolTypes)
        m_tables[indexOf(type)]->resize(symbolCount(type) + 1);
}

modGoodLuckSymbol::FillOperation modGoodLuckSymbol::fillOperation(SymbolType type)
{
    static constexpr FillOperation kFills[kSymbolTypeCount] = {
        &modGoodLuckSymbol::FillIndianDesc,   &modGoodLuckSymbol::FillChineseDesc,
        &modGoodLuckSymbol::FillJapaneseDesc, &modGoodLuckSymbol::FillEgyptianDesc,
        &modGoodLuckSymbol::FillEnglishDesc,  &modGoodLuckSymbol::FillArabianDesc,
        &modGoodLuckSymbol::FillNativeAmericanDesc,
    };
    return kFills[indexOf(type)];
}

void modGoodLuckSymbol::fillTable(QList<QString> &table, SymbolType type)
{
    // Slots 1 to N in ascending order; slot 0 stays as it is.
    const auto texts = descriptionTexts(type);
    for (qsizetype position = 1; position < table.size(); ++position)
        table[position] = QString::fromLatin1(texts[position - 1]);
}

void modGoodLuckSymbol::FillIndianDesc()
{
    fillTable(IndianDesc, SymbolType::Indian);
}

void modGoodLuckSymbol::FillChineseDesc()
{
    fillTable(ChineseDesc, SymbolType::Chinese);
}

void modGoodLuckSymbol::FillJapaneseDesc()
{
    fillTable(JapaneseDesc, SymbolType::Japanese);
}

void modGoodLuckSymbol::FillEgyptianDesc()
{
    fillTable(EgyptianDesc, SymbolType::Egyptian);
}

void modGoodLuckSymbol::FillEnglishDesc()
{
    fillTable(EnglishDesc, SymbolType::English);
}

void modGoodLuckSymbol::FillArabianDesc()
{
    fillTable(ArabianDesc, SymbolType::Arabian);
}

void modGoodLuckSymbol::FillNativeAmericanDesc()
{
    fillTable(NativeAmericanDesc, SymbolType::NativeAmerican);
}
