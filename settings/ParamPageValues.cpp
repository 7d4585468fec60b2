#include "settings/ParamPageValues.h"

namespace settings {

using P = ParamPageValues;

const std::array<MemberOf<P>, 14> kParamMembers{{
    {"font1", &P::font1, nullptr, P::kListTextLimit},
    {"font2", &P::font2, nullptr, P::kListTextLimit},
    {"kanji_table", &P::kanjiTable, nullptr, P::kListTextLimit},
    {"centring_front_tractor", nullptr, &P::centringFrontTractor},
    {"centring_cut_sheet", nullptr, &P::centringCutSheet},
    {"postcard_mode", nullptr, &P::postcardMode},
    {"centring_rear_tractor", nullptr, &P::centringRearTractor},
    {"sheet_guide_feed_time", nullptr, &P::sheetGuideFeedTime},
    {"auto_return_time", &P::autoReturnTime, nullptr, P::kListTextLimit},
    {"aga_retry_time", &P::agaRetryTime, nullptr, P::kListTextLimit},
    {"lf_pitch_sheet_guide", &P::lfPitchSheetGuide, nullptr, P::kLfPitchTextLimit},
    {"lf_pitch_sheet_feeder", &P::lfPitchSheetFeeder, nullptr, P::kLfPitchTextLimit},
    {"lf_pitch_front_tractor", &P::lfPitchFrontTractor, nullptr, P::kLfPitchTextLimit},
    {"lf_pitch_rear_tractor", &P::lfPitchRearTractor, nullptr, P::kLfPitchTextLimit},
}};

void LoadParamPage(SettingsBlock& block, ParamPageValues& values) {
    LoadMembers(kParamPage, kParamMembers, block, values);
}

void StoreParamPage(const ParamPageValues& values, SettingsBlock& block) {
    StoreMembers(kParamPage, kParamMembers, values, block);
}

} // namespace settings
