#pragma once
// The item texts of the setting pages' lists, in list order, and the block codes that go
// with them (a list without codes is coded by its item index). These tables are the one
// source of these texts for the pages and resources; the catalogue (settings/Catalogue.h)
// says which setting each list belongs to.
#include <array>
#include <string>

namespace settings {

template <std::size_t N> using TextList = std::array<const char*, N>;

// The titles of the main window's tabs, in tab order.
inline constexpr TextList<6> kPageTitles{"機能選択", "パラメータ設定", "ＭＳＷ１",
                                         "ＭＳＷ２", "ＭＳＷ３", "ＭＳＷ４"};

// MSW1-1..3, international character set, with its 3-bit country codes.
inline constexpr TextList<5> kCountryList{"日本", "アメリカ", "イギリス", "ドイツ", "スウェーデン"};
inline constexpr std::array<int, 5> kCountryCodes{0, 2, 3, 4, 5};

// Parameter page. Fonts and kanji tables are coded by their list index.
inline constexpr TextList<5> kFontList{"標準", "イタリック", "クーリエ", "ゴシック", "OCR-B"};
inline constexpr TextList<3> kKanjiList{"JIS1978年版", "JIS1983年版", "JIS1990年版"};
inline constexpr TextList<3> kAutoReturnList{"自動戻り無し", "８秒", "１５秒"};
inline constexpr std::array<int, 3> kAutoReturnCodes{0, 8, 15};
inline constexpr TextList<8> kAgaList{"０秒",     "５秒",     "１０秒",   "６０秒",
                                      "１８０秒", "３００秒", "８１０秒", "再実行なし"};
inline constexpr TextList<11> kLfPitchList{"-5", "-4", "-3", "-2", "-1", "0",
                                           "+1", "+2", "+3", "+4", "+5"};

// Function-selection page.
inline constexpr TextList<10> kPrintPressureList{"-6", "-5", "-4", "-3", "-2",
                                                 "-1", "0",  "+1", "+2", "+3"};
inline constexpr TextList<7> kPrintPositionList{"-1.3", "-0.8", "-0.4", "0",
                                                "+0.4", "+0.8", "+1.3"};
// Signed values, written as the two hex capitals of their 8-bit two's complement ("FD").
inline constexpr std::array<int, 7> kPrintPositionCodes{-3, -2, -1, 0, 1, 2, 3};
inline constexpr TextList<13> kPaperThicknessList{"オート", "1", "2", "3",  "4",  "5", "6",
                                                  "7",      "8", "9", "10", "11", "12"};
inline constexpr TextList<3> kReductionList{"縮小なし", "２／３縮小", "４／５縮小"};
inline constexpr std::array<int, 3> kReductionCodes{0, 1, 5};
inline constexpr TextList<3> kCopyPowerList{"標準", "厚紙", "複写"};
inline constexpr TextList<5> kFormatList{"書式０", "書式１", "書式２", "書式３", "書式４"};

// Index of the item whose text equals `text` exactly, or -1.
template <std::size_t N> int IndexOf(const TextList<N>& list, const std::string& text) {
    for (std::size_t i = 0; i < N; ++i)
        if (text == list[i]) return static_cast<int>(i);
    return -1;
}

} // namespace settings
