#pragma once

#include "WorkingWindow.h"
#include "symbols/ImageList.h"

#include <array>

class QCheckBox;
class QPushButton;
class QLabel;
class LinkLabel;

// The window in which the user ticks the traditions to draw from and asks for
// good-luck symbols.
class frmMain : public WorkingWindow
{
    Q_OBJECT
public:
    explicit frmMain(App &app);

    void Form_Load() override;

    // The draw: one random symbol of every ticked tradition, shown in the
    // result window.
    void cmdNext_Click();

    void mnuNext_Click();

    QCheckBox *chkGoodLuck(int index) const { return m_chkGoodLuck[index]; }
    QPushButton *cmdNext() const { return m_cmdNext; }
    LinkLabel *Label61() const { return m_label61; }
    LinkLabel *lblCobrand() const { return m_lblCobrand; }
    LinkLabel *lblFullBrand() const { return m_lblFullBrand; }

    // The picture lists of the catalog, one per tradition: names and
    // pictures of the symbols, never drawn on the window itself.
    const ImageList IMGIndian{SymbolType::Indian};
    const ImageList IMGChinese{SymbolType::Chinese};
    const ImageList IMGJapanese{SymbolType::Japanese};
    const ImageList IMGEgyptian{SymbolType::Egyptian};
    const ImageList IMGEnglish{SymbolType::English};
    const ImageList IMGArabian{SymbolType::Arabian};
    const ImageList IMGNativeAmerican{SymbolType::NativeAmerican};

    const ImageList &imageList(SymbolType type) const { return *m_imageLists[indexOf(type)]; }

    // The design of the window, for those who lay it out or check it.
    static std::span<const design::Control> designTable();
    static std::span<const design::MenuEntry> menuTable();

private:
    std::array<QCheckBox *, kSymbolTypeCount> m_chkGoodLuck{};
    QPushButton *m_cmdNext = nullptr;
    LinkLabel *m_label61 = nullptr;
    LinkLabel *m_lblCobrand = nullptr;
    LinkLabel *m_lblFullBrand = nullptr;
    // The seven lists above, in tradition order.
    const std::array<const ImageList *, kSymbolTypeCount> m_imageLists{
        &IMGIndian, &IMGChinese, &IMGJapanese, &IMGEgyptian, &IMGEnglish, &IMGArabian, &IMGNativeAmerican,
    };
};
