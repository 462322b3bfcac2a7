#pragma once

#include <array>
#include <QString>

// The seven traditions, always handled in this order. The index is also the
// index of the tradition's check box on the main window and of its button on
// the result window.
enum class SymbolType {
    Indian = 0,
    Chinese,
    Japanese,
    Egyptian,
    English,
    Arabian,
    NativeAmerican,
};

inline constexpr int kSymbolTypeCount = 7;

inline constexpr std::array<SymbolType, kSymbolTypeCount> kAllSymbolTypes = {
    SymbolType::Indian,  SymbolType::Chinese, SymbolType::Japanese,      SymbolType::Egyptian,
    SymbolType::English, SymbolType::Arabian, SymbolType::NativeAmerican,
};

constexpr int indexOf(SymbolType type)
{
    return static_cast<int>(type);
}

constexpr SymbolType symbolTypeAt(int index)
{
    return static_cast<SymbolType>(index);
}

// The caption shared by the tradition's check box, button and panel.
QString symbolTypeCaption(SymbolType type);

// How many symbols the tradition holds.
int symbolCount(SymbolType type);
