#include "modGoodLuckSymbol.h"

#include "DescriptionTexts.h"

modGoodLuckSymbol::modGoodLuckSymbol()
{
    for (SymbolType type : kAllSymbolTypes)
        m_tables[indexOf(type)].resize(symbolCount(type) + 1);
}

void modGoodLuckSymbol::fill(SymbolType type)
{
    QList<QString> &table = m_tables[indexOf(type)];
    const auto texts = descriptionTexts(type);
    for (qsizetype position = 1; position < table.size(); ++position)
        table[position] = QString::fromLatin1(texts[position - 1]);
}

void modGoodLuckSymbol::FillIndianDesc()
{
    fill(SymbolType::Indian);
}

void modGoodLuckSymbol::FillChineseDesc()
{
    fill(SymbolType::Chinese);
}

void modGoodLuckSymbol::FillJapaneseDesc()
{
    fill(SymbolType::Japanese);
}

void modGoodLuckSymbol::FillEgyptianDesc()
{
    fill(SymbolType::Egyptian);
}

void modGoodLuckSymbol::FillEnglishDesc()
{
    fill(SymbolType::English);
}

void modGoodLuckSymbol::FillArabianDesc()
{
    fill(SymbolType::Arabian);
}

void modGoodLuckSymbol::FillNativeAmericanDesc()
{
    fill(SymbolType::NativeAmerican);
}
