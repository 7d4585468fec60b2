#include "settings/ParamPageValues.h"

#include "settings/SettingTexts.h"

namespace settings {
namespace {

constexpr int kAutoReturnDefaultIndex = 2; // "１５秒"

int InRangeOr(int value, ValueRange range, int fallback) {
    return value >= range.min && value <= range.max ? value : fallback;
}

std::string AutoReturnText(int seconds) {
    for (std::size_t i = 0; i < kAutoReturnCodes.size(); ++i)
        if (kAutoReturnCodes[i] == seconds) return kAutoReturnList[i];
    return kAutoReturnList[kAutoReturnDefaultIndex];
}

int AutoReturnSeconds(const std::string& text) {
    int index = IndexOf(kAutoReturnList, text);
    return kAutoReturnCodes[index < 0 ? kAutoReturnDefaultIndex : index];
}

std::string AgaText(int index) {
    bool listed = index >= 0 && index < static_cast<int>(kAgaList.size());
    return kAgaList[listed ? index : kAgaDefaultIndex];
}

int AgaIndex(const std::string& text) {
    int index = IndexOf(kAgaList, text);
    return index < 0 ? kAgaDefaultIndex : index;
}

} // namespace

void LoadParamPage(SettingsBlock& block, ParamPageValues& values) {
    values.font1 = ItemOfDigit(kFontList, block.At(field::font1));
    values.font2 = ItemOfDigit(kFontList, block.At(field::font2));
    values.kanjiTable = ItemOfDigit(kKanjiList, block.At(field::kanji_table));
    values.centringFrontTractor =
        InRangeOr(block.Number(field::centring_front_tractor), kCentringRange, kCentringDefault);
    values.centringCutSheet =
        InRangeOr(block.Number(field::centring_cut_sheet), kCentringRange, kCentringDefault);
    values.postcardMode = block.Flag(field::postcard_mode);
    values.centringRearTractor = InRangeOr(block.Number(field::centring_rear_tractor),
                                           kRearCentringRange, kRearCentringDefault);
    values.sheetGuideFeedTime = InRangeOr(block.Number(field::sheet_guide_feed_time_digit),
                                          kFeedTimeRange, kFeedTimeRange.min);
    values.autoReturnTime = AutoReturnText(block.Number(field::auto_return_time));
    values.agaRetryTime = AgaText(block.Number(field::aga_retry_time));
    LoadSignedText(block, field::lf_pitch_sheet_guide, kLfPitchRange, values.lfPitchSheetGuide);
    LoadSignedText(block, field::lf_pitch_sheet_feeder, kLfPitchRange, values.lfPitchSheetFeeder);
    LoadSignedText(block, field::lf_pitch_front_tractor, kLfPitchRange, values.lfPitchFrontTractor);
    LoadSignedText(block, field::lf_pitch_rear_tractor, kLfPitchRange, values.lfPitchRearTractor);
}

void StoreParamPage(const ParamPageValues& values, SettingsBlock& block) {
    block.At(field::font1) = DigitOfItem(kFontList, values.font1);
    block.At(field::font2) = DigitOfItem(kFontList, values.font2);
    block.At(field::kanji_table) = DigitOfItem(kKanjiList, values.kanjiTable);
    block.SetNumber(field::centring_front_tractor, values.centringFrontTractor);
    block.SetNumber(field::centring_cut_sheet, values.centringCutSheet);
    block.SetFlag(field::postcard_mode, values.postcardMode);
    block.SetNumber(field::centring_rear_tractor, values.centringRearTractor);
    block.SetNumber(field::sheet_guide_feed_time_digit, values.sheetGuideFeedTime);
    block.SetNumber(field::auto_return_time, AutoReturnSeconds(values.autoReturnTime));
    block.SetNumber(field::aga_retry_time, AgaIndex(values.agaRetryTime));
    StoreSignedText(values.lfPitchSheetGuide, block, field::lf_pitch_sheet_guide);
    StoreSignedText(values.lfPitchSheetFeeder, block, field::lf_pitch_sheet_feeder);
    StoreSignedText(values.lfPitchFrontTractor, block, field::lf_pitch_front_tractor);
    StoreSignedText(values.lfPitchRearTractor, block, field::lf_pitch_rear_tractor);
}

} // namespace settings
