#include "settings/SelectPageValues.h"

#include "settings/SettingTexts.h"

#include <algorithm>

namespace settings {
namespace {

constexpr int kPrintPositionZeroIndex = 3; // "0"

void LoadPrintPosition(const SettingsBlock& block, std::string& text) {
    unsigned char first = block.At(field::print_position);
    if (first != '0' && first != 'F') return;
    int index = IndexOf(kPrintPositionCodes, block.Text(field::print_position));
    text = kPrintPositionList[index < 0 ? kPrintPositionZeroIndex : index];
}

void StorePrintPosition(const std::string& text, SettingsBlock& block) {
    int index = IndexOf(kPrintPositionList, text);
    if (index >= 0) block.SetText(field::print_position, kPrintPositionCodes[index]);
}

std::string PaperThicknessText(int level) {
    bool listed = level >= 1 && level < static_cast<int>(kPaperThicknessList.size());
    return kPaperThicknessList[listed ? level : 0];
}

std::string ReductionText(unsigned char code) {
    for (std::size_t i = 0; i < kReductionCodes.size(); ++i)
        if (kReductionCodes[i] == code) return kReductionList[i];
    return kReductionList[0];
}

void StoreReduction(const std::string& text, SettingsBlock& block) {
    int index = IndexOf(kReductionList, text);
    if (index >= 0) block.At(field::reduction) = kReductionCodes[index];
}

template <std::size_t N>
void CopyFromBlock(const SettingsBlock& block, Field f, std::array<unsigned char, N>& record) {
    std::copy_n(block.bytes.begin() + f.offset, N, record.begin());
}

template <std::size_t N>
void CopyToBlock(const std::array<unsigned char, N>& record, Field f, SettingsBlock& block) {
    std::copy_n(record.begin(), N, block.bytes.begin() + f.offset);
}

} // namespace

void LoadSelectPage(SettingsBlock& block, SelectPageValues& values) {
    LoadSignedText(block, field::print_pressure, kPrintPressureRange, values.printPressure);
    LoadPrintPosition(block, values.printPosition);
    values.paperThickness = PaperThicknessText(block.Number(field::paper_thickness));
    values.reduction = ReductionText(block.At(field::reduction));
    values.quietPrint = block.Flag(field::quiet_print);
    values.typeface = block.Flag(field::typeface);
    values.currentFormat = ItemOfDigit(kFormatList, block.At(field::current_format));
    values.copyPower = ItemOfDigit(kCopyPowerList, block.At(field::copy_power));
    CopyFromBlock(block, kFormatFields[0], values.format0);
    for (std::size_t i = 0; i < values.longFormats.size(); ++i)
        CopyFromBlock(block, kFormatFields[i + 1], values.longFormats[i]);
}

void StoreSelectPage(const SelectPageValues& values, SettingsBlock& block) {
    StoreSignedText(values.printPressure, block, field::print_pressure);
    StorePrintPosition(values.printPosition, block);
    // "オート" reads as 0.
    block.SetNumber(field::paper_thickness, ParseLeadingInt(values.paperThickness));
    StoreReduction(values.reduction, block);
    block.SetFlag(field::quiet_print, values.quietPrint);
    block.SetFlag(field::typeface, values.typeface);
    block.At(field::current_format) = DigitOfItem(kFormatList, values.currentFormat);
    block.At(field::copy_power) = DigitOfItem(kCopyPowerList, values.copyPower);
    CopyToBlock(values.format0, kFormatFields[0], block);
    for (std::size_t i = 0; i < values.longFormats.size(); ++i)
        CopyToBlock(values.longFormats[i], kFormatFields[i + 1], block);
}

} // namespace settings
