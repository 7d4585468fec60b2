// The six pages' load and store rules on blocks of any bytes, with page members of any
// text and number: loading then storing is a fixed point after one round, and no rule
// ever changes a byte outside the field characters (header, separators, reserved bytes,
// byte 245, terminator, padding).
#include "tests/fuzz/engine/BlockLayout.h"
#include "tests/fuzz/engine/Fuzz.h"

#include "settings/MswPageValues.h"
#include "settings/ParamPageValues.h"
#include "settings/SelectPageValues.h"
#include "settings/SettingTexts.h"

#include <array>

namespace {

using namespace settings;

struct Pages {
    SelectPageValues select;
    ParamPageValues param;
    std::array<MswPageValues, kMswCount> msw{MswPageValues(1), MswPageValues(2), MswPageValues(3),
                                             MswPageValues(4)};
};

template <std::size_t N> std::string ItemOrText(fuzz::Input& in, const TextList<N>& list) {
    std::uint8_t pick = in.Byte();
    if (pick == 0xFF) return in.Text();
    if (pick == 0xFE) return std::string();
    return list[pick % N];
}

// Members as the controls could leave them: list texts (any text or none now and then),
// any number.
void FillFromInput(fuzz::Input& in, Pages& pages) {
    SelectPageValues& select = pages.select;
    ParamPageValues& param = pages.param;
    select.printPressure = ItemOrText(in, kPrintPressureList);
    select.printPosition = ItemOrText(in, kPrintPositionList);
    select.paperThickness = ItemOrText(in, kPaperThicknessList);
    select.reduction = ItemOrText(in, kReductionList);
    select.currentFormat = ItemOrText(in, kFormatList);
    select.copyPower = ItemOrText(in, kCopyPowerList);
    param.font1 = ItemOrText(in, kFontList);
    param.font2 = ItemOrText(in, kFontList);
    param.kanjiTable = ItemOrText(in, kKanjiList);
    param.autoReturnTime = ItemOrText(in, kAutoReturnList);
    param.agaRetryTime = ItemOrText(in, kAgaList);
    for (std::string* pitch : {&param.lfPitchSheetGuide, &param.lfPitchSheetFeeder,
                               &param.lfPitchFrontTractor, &param.lfPitchRearTractor})
        *pitch = ItemOrText(in, kLfPitchList);
    for (int* number : {&select.quietPrint, &select.typeface, &param.centringFrontTractor,
                        &param.centringCutSheet, &param.postcardMode, &param.centringRearTractor,
                        &param.sheetGuideFeedTime})
        *number = static_cast<int>(in.U32());
    for (MswPageValues& page : pages.msw) {
        for (int& s : page.switches)
            s = static_cast<int>(in.U32() % 4) - 1;
        page.country = ItemOrText(in, kCountryList);
    }
}

// A text a list cannot hold: the load keeps it, so only the unowned bytes are checked.
bool HoldsForeignText(const Pages& pages) {
    auto foreign = [](const std::string& text, const auto& list) {
        return !text.empty() && IndexOf(list, text) < 0;
    };
    const ParamPageValues& p = pages.param;
    return foreign(pages.select.printPressure, kPrintPressureList) ||
           foreign(pages.select.printPosition, kPrintPositionList) ||
           foreign(p.lfPitchSheetGuide, kLfPitchList) ||
           foreign(p.lfPitchSheetFeeder, kLfPitchList) ||
           foreign(p.lfPitchFrontTractor, kLfPitchList) ||
           foreign(p.lfPitchRearTractor, kLfPitchList);
}

// UnpackBlock and PackBlock: every page in the main window's order.
void Load(SettingsBlock& block, Pages& pages) {
    LoadSelectPage(block, pages.select);
    LoadParamPage(block, pages.param);
    for (int n = 1; n <= kMswCount; ++n)
        FUZZ_CHECK(LoadMswPage(n, block, pages.msw[n - 1]));
}

void Store(const Pages& pages, SettingsBlock& block) {
    StoreSelectPage(pages.select, block);
    StoreParamPage(pages.param, block);
    for (int n = 1; n <= kMswCount; ++n)
        FUZZ_CHECK(StoreMswPage(n, pages.msw[n - 1], block));
}

void CheckUnownedBytes(const SettingsBlock& before, const SettingsBlock& after) {
    for (std::size_t i = 0; i < kBlockSize; ++i)
        if (!fuzz::IsFieldCharacter(i)) FUZZ_CHECK(after.bytes[i] == before.bytes[i]);
}

} // namespace

const std::size_t fuzz::kMaxInputSize = 700;

void fuzz::FuzzOne(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    SettingsBlock original;
    for (auto& b : original.bytes)
        b = in.Byte();
    Pages pages;
    FillFromInput(in, pages);

    // Stores of whatever the controls hold touch field characters only. The format
    // records are the block's own, as the format dialog edits only their numbers.
    SettingsBlock stored = original;
    SelectPageValues records;
    LoadSelectPage(stored, records);
    stored = original;
    pages.select.format0 = records.format0;
    pages.select.longFormats = records.longFormats;
    Store(pages, stored);
    CheckUnownedBytes(original, stored);

    bool foreign = HoldsForeignText(pages);
    SettingsBlock block = original;
    Load(block, pages);
    CheckUnownedBytes(original, block);
    SettingsBlock once = block;
    Store(pages, once);
    CheckUnownedBytes(original, once);

    SettingsBlock again = once;
    Load(again, pages);
    SettingsBlock twice = again;
    Store(pages, twice);
    CheckUnownedBytes(original, twice);
    if (!foreign) {
        FUZZ_CHECK(again == once);
        FUZZ_CHECK(twice == once);
    }

    // Page numbers other than 1 to 4 change nothing.
    MswPageValues page(1);
    page.country = "x";
    SettingsBlock untouched = once;
    FUZZ_CHECK(!LoadMswPage(0, untouched, page) && !LoadMswPage(5, untouched, page));
    FUZZ_CHECK(!StoreMswPage(0, page, untouched) && !StoreMswPage(5, page, untouched));
    FUZZ_CHECK(untouched == once && page.country == "x");
}
