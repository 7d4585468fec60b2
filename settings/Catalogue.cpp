#include "settings/Catalogue.h"

#include "settings/PageIds.h"
#include "settings/PageLabels.h"

namespace settings {
namespace {

constexpr int kAutoReturnFallback = 2; // "１５秒"
constexpr int kAgaFallback = 2;        // "１０秒"
constexpr int kPrintPositionZero = 3;  // "0"
constexpr int kCentringDefault = 40;   // shown for a value outside the range
constexpr int kRearCentringDefault = 96;

Row Base(int page, const char* key, Kind kind, Field f, const char* group, const char* label) {
    Row row{page, key, kind, f, group, label, nullptr};
    return row;
}

Row List(int page, const char* key, Field f, const char* group, const char* label, int id,
         ListRule list, Kind kind = Kind::List) {
    Row row = Base(page, key, kind, f, group, label);
    row.id = id;
    row.list = list;
    return row;
}

Row Signed(int page, const char* key, Field f, const char* group, const char* label, int id,
           ListRule list, SignedRange range) {
    Row row = List(page, key, f, group, label, id, list, Kind::Signed);
    row.signedRange = range;
    return row;
}

Row Radio(int page, const char* key, Field f, const char* label, int id, const char* off,
          int secondId, const char* on) {
    Row row = Base(page, key, Kind::Radio, f, nullptr, label);
    row.id = id;
    row.secondId = secondId;
    row.off = off;
    row.on = on;
    return row;
}

Row Number(const char* key, Field f, const char* group, const char* label, int id, int spin,
           ValueRange range, int fallback, EditRule rule, const char* unit) {
    Row row = Base(kParamPage, key, Kind::Number, f, group, label);
    row.unit = unit;
    row.id = id;
    row.secondId = spin;
    row.range = range;
    row.fallback = fallback;
    row.rule = rule;
    return row;
}

Row Switch(int msw, int number, SwitchControl control, const char* group, const char* label) {
    Row row = Base(kMsw1Page + msw - 1, nullptr, Kind::Switch, kMswFields[msw - 1], group, label);
    row.bit = number - 1;
    row.control = control;
    return row;
}

Row NoSwitch(int msw, int number) {
    return Switch(msw, number, SwitchControl::None, nullptr, nullptr);
}

Row CheckSwitch(int msw, int number, const char* label, int id) {
    Row row = Switch(msw, number, SwitchControl::Check, nullptr, label);
    row.id = id;
    return row;
}

Row RadioSwitch(int msw, int number, const char* group, const char* label, int id, const char* off,
                int secondId, const char* on) {
    Row row = Switch(msw, number, SwitchControl::Radio, group, label);
    row.id = id;
    row.secondId = secondId;
    row.off = off;
    row.on = on;
    return row;
}

Row Record(const char* key, int taken, int FormatFields::*number, Field shortField, Field longField,
           const char* group, const char* label, const char* unit, ValueRange range, EditRule rule,
           int edit, int spin, int slider = 0, int path = -1) {
    Row row = Base(kSelectPage, key, Kind::Record, longField, group, label);
    row.taken = taken;
    row.number = number;
    row.unit = unit;
    row.shortField = shortField;
    row.range = range;
    row.rule = rule;
    row.id = edit;
    row.secondId = spin;
    row.slider = slider;
    row.path = path;
    return row;
}

Row LoadPosition(const char* key, Field shortField, Field longField, const char* label, int edit,
                 int spin, int slider, int path) {
    return Record(key, path, nullptr, shortField, longField, TXT_FORMAT_LOAD_POSITIONS, label,
                  TXT_UNIT_LOAD_POSITION, kLoadPositionRange, EditRule::FormatLoadPosition, edit,
                  spin, slider, path);
}

void AddSelectPage(std::vector<Row>& rows) {
    const int page = kSelectPage;
    rows.push_back(List(page, "paper_thickness", field::paper_thickness, nullptr,
                        TXT_SELECT_THICKNESS, IDC_SELECT_THICKNESS, ListOf(kPaperThicknessList)));
    rows.push_back(Signed(page, "print_pressure", field::print_pressure, nullptr,
                          TXT_SELECT_PRESSURE, IDC_SELECT_PRESSURE, ListOf(kPrintPressureList),
                          kPrintPressureRange));
    Row position = List(page, "print_position", field::print_position, nullptr, TXT_SELECT_POSITION,
                        IDC_SELECT_POSITION,
                        ListOf(kPrintPositionList, kPrintPositionCodes, kPrintPositionZero, true),
                        Kind::Position);
    position.unit = TXT_UNIT_MM;
    rows.push_back(position);
    rows.push_back(List(page, "reduction", field::reduction, nullptr, TXT_SELECT_REDUCTION,
                        IDC_SELECT_REDUCTION, ListOf(kReductionList, kReductionCodes, 0, true)));
    rows.push_back(Radio(page, "quiet_print", field::quiet_print, TXT_SELECT_QUIET,
                         IDC_SELECT_QUIET_OFF, TXT_SELECT_QUIET_OFF, IDC_SELECT_QUIET_ON,
                         TXT_SELECT_QUIET_ON));
    rows.push_back(Radio(page, "typeface", field::typeface, TXT_SELECT_TYPEFACE, IDC_SELECT_MINCHO,
                         TXT_SELECT_MINCHO, IDC_SELECT_GOTHIC, TXT_SELECT_GOTHIC));
    rows.push_back(List(page, "copy_power", field::copy_power, nullptr, TXT_SELECT_COPY_POWER,
                        IDC_SELECT_COPY_POWER, ListOf(kCopyPowerList)));
    rows.push_back(List(page, "current_format", field::current_format, nullptr, TXT_SELECT_FORMAT,
                        IDC_SELECT_FORMAT, ListOf(kFormatList)));
}

void AddFormatRecords(std::vector<Row>& rows) {
    namespace sr = short_record;
    namespace lr = long_record;
    const Field none{0, 0};
    rows.push_back(Record("paper_length", 5, &FormatFields::paperLength, sr::paper_length,
                          lr::paper_length, nullptr, TXT_FORMAT_LENGTH, TXT_UNIT_LINES,
                          kPaperLengthRange, EditRule::FormatPaperLength, IDC_FORMAT_LENGTH,
                          IDC_FORMAT_SPIN_LENGTH));
    rows.push_back(Record("left_margin", 6, &FormatFields::leftMargin, none, lr::left_margin,
                          nullptr, TXT_FORMAT_LEFT, TXT_UNIT_COLUMNS, kLeftMarginRange,
                          EditRule::FormatLeftMargin, IDC_FORMAT_LEFT, IDC_FORMAT_SPIN_LEFT));
    rows.push_back(Record("right_margin", 7, &FormatFields::rightMargin, none, lr::right_margin,
                          nullptr, TXT_FORMAT_RIGHT, TXT_UNIT_COLUMNS, kRightMarginRange,
                          EditRule::FormatRightMargin, IDC_FORMAT_RIGHT, IDC_FORMAT_SPIN_RIGHT));
    rows.push_back(LoadPosition("load_pos_front_tractor", sr::load_pos_front_tractor,
                                lr::load_pos_front_tractor, TXT_FORMAT_FRONT, IDC_FORMAT_EDIT_FRONT,
                                IDC_FORMAT_SPIN_FRONT, IDC_FORMAT_SLIDER_FRONT, kFrontTractor));
    rows.push_back(LoadPosition("load_pos_rear_tractor", sr::load_pos_rear_tractor,
                                lr::load_pos_rear_tractor, TXT_FORMAT_REAR, IDC_FORMAT_EDIT_REAR,
                                IDC_FORMAT_SPIN_REAR, IDC_FORMAT_SLIDER_REAR, kRearTractor));
    rows.push_back(LoadPosition("load_pos_sheet_guide", sr::load_pos_sheet_guide,
                                lr::load_pos_sheet_guide, TXT_FORMAT_GUIDE, IDC_FORMAT_EDIT_GUIDE,
                                IDC_FORMAT_SPIN_GUIDE, IDC_FORMAT_SLIDER_GUIDE, kSheetGuide));
    rows.push_back(LoadPosition("load_pos_sheet_feeder", sr::load_pos_sheet_feeder,
                                lr::load_pos_sheet_feeder, TXT_FORMAT_FEEDER,
                                IDC_FORMAT_EDIT_FEEDER, IDC_FORMAT_SPIN_FEEDER,
                                IDC_FORMAT_SLIDER_FEEDER, kSheetFeeder));
    rows.push_back(LoadPosition("load_pos_postcard", sr::load_pos_postcard, lr::load_pos_postcard,
                                TXT_FORMAT_POSTCARD, IDC_FORMAT_EDIT_POSTCARD,
                                IDC_FORMAT_SPIN_POSTCARD, IDC_FORMAT_SLIDER_POSTCARD, kPostcard));
    rows.push_back(Record(
        "cut_sheet_adjust", 9, &FormatFields::cutSheetAdjust, sr::cut_sheet_adjust,
        lr::cut_sheet_adjust, nullptr, TXT_FORMAT_CUT_ADJUST, TXT_UNIT_COLUMNS, kCorrectionRange,
        EditRule::FormatCorrection, IDC_FORMAT_CUT_ADJUST, IDC_FORMAT_SPIN_CUT_ADJUST));
    rows.push_back(Record("front_tractor_adjust", 8, &FormatFields::frontTractorAdjust,
                          sr::front_tractor_adjust, lr::front_tractor_adjust, nullptr,
                          TXT_FORMAT_FRONT_ADJUST, TXT_UNIT_COLUMNS, kCorrectionRange,
                          EditRule::FormatCorrection, IDC_FORMAT_FRONT_ADJUST,
                          IDC_FORMAT_SPIN_FRONT_ADJUST));
}

void AddParamPage(std::vector<Row>& rows) {
    const int page = kParamPage;
    const char* centring = TXT_PARAM_CENTRING;
    rows.push_back(Number("centring_cut_sheet", field::centring_cut_sheet, centring,
                          TXT_PARAM_CENTRING_CUT, IDC_PARAM_CENTRING_CUT, IDC_PARAM_SPIN_CUT,
                          kCentringRange, kCentringDefault, EditRule::ParamCutSheet,
                          TXT_UNIT_COLUMNS));
    rows.push_back(Number("centring_front_tractor", field::centring_front_tractor, centring,
                          TXT_PARAM_CENTRING_FRONT, IDC_PARAM_CENTRING_FRONT, IDC_PARAM_SPIN_FRONT,
                          kCentringRange, kCentringDefault, EditRule::ParamFrontTractor,
                          TXT_UNIT_COLUMNS));
    rows.push_back(Number("centring_rear_tractor", field::centring_rear_tractor, centring,
                          TXT_PARAM_CENTRING_REAR, IDC_PARAM_CENTRING_REAR, IDC_PARAM_SPIN_REAR,
                          kRearCentringRange, kRearCentringDefault, EditRule::ParamRearTractor,
                          TXT_UNIT_COLUMNS));
    rows.push_back(List(page, "kanji_table", field::kanji_table, nullptr, TXT_PARAM_KANJI,
                        IDC_PARAM_KANJI, ListOf(kKanjiList)));
    rows.push_back(List(page, "font1", field::font1, TXT_PARAM_FONTS, TXT_PARAM_FONT1,
                        IDC_PARAM_FONT1, ListOf(kFontList)));
    rows.push_back(List(page, "font2", field::font2, TXT_PARAM_FONTS, TXT_PARAM_FONT2,
                        IDC_PARAM_FONT2, ListOf(kFontList)));
    rows.push_back(List(page, "aga_retry_time", field::aga_retry_time, nullptr, TXT_PARAM_AGA,
                        IDC_PARAM_AGA, ListOf(kAgaList, kAgaFallback)));
    rows.push_back(List(page, "auto_return_time", field::auto_return_time, nullptr,
                        TXT_PARAM_AUTO_RETURN, IDC_PARAM_AUTO_RETURN,
                        ListOf(kAutoReturnList, kAutoReturnCodes, kAutoReturnFallback)));
    rows.push_back(Radio(page, "postcard_mode", field::postcard_mode, TXT_PARAM_POSTCARD,
                         IDC_PARAM_POSTCARD_OFF, TXT_PARAM_POSTCARD_OFF, IDC_PARAM_POSTCARD_ON,
                         TXT_PARAM_POSTCARD_ON));
    rows.push_back(Number("sheet_guide_feed_time", field::sheet_guide_feed_time_digit, nullptr,
                          TXT_PARAM_FEED_TIME, IDC_PARAM_FEED_TIME, IDC_PARAM_SPIN_FEED_TIME,
                          kFeedTimeRange, kFeedTimeRange.min, EditRule::ParamLoadTime,
                          TXT_UNIT_SECONDS));
    const char* pitch = TXT_PARAM_LF_PITCH;
    rows.push_back(Signed(page, "lf_pitch_sheet_guide", field::lf_pitch_sheet_guide, pitch,
                          TXT_PARAM_LF_SHEET_GUIDE, IDC_PARAM_LF_SHEET_GUIDE, ListOf(kLfPitchList),
                          kLfPitchRange));
    rows.push_back(Signed(page, "lf_pitch_sheet_feeder", field::lf_pitch_sheet_feeder, pitch,
                          TXT_PARAM_LF_SHEET_FEEDER, IDC_PARAM_LF_SHEET_FEEDER,
                          ListOf(kLfPitchList), kLfPitchRange));
    rows.push_back(Signed(page, "lf_pitch_front_tractor", field::lf_pitch_front_tractor, pitch,
                          TXT_PARAM_LF_FRONT, IDC_PARAM_LF_FRONT, ListOf(kLfPitchList),
                          kLfPitchRange));
    rows.push_back(Signed(page, "lf_pitch_rear_tractor", field::lf_pitch_rear_tractor, pitch,
                          TXT_PARAM_LF_REAR, IDC_PARAM_LF_REAR, ListOf(kLfPitchList),
                          kLfPitchRange));
}

void AddMswPages(std::vector<Row>& rows) {
    rows.push_back(List(kMsw1Page, "country", field::msw1, nullptr, TXT_MSW1_COUNTRY,
                        IDC_MSW1_COUNTRY, ListOf(kCountryList, kCountryCodes), Kind::Country));
    const Row switches[] = {
        NoSwitch(1, 4),
        RadioSwitch(1, 5, TXT_MSW1_DC, TXT_MSW1_5, IDC_MSW1_DC_ENABLED, TXT_MSW1_DC_ENABLED,
                    IDC_MSW1_DC_DISABLED, TXT_MSW1_DC_DISABLED),
        RadioSwitch(1, 6, TXT_MSW1_AUTO, TXT_MSW1_6, IDC_MSW1_AUTO_CRLF, TXT_MSW1_AUTO_CRLF,
                    IDC_MSW1_AUTO_CR, TXT_MSW1_AUTO_CR),
        RadioSwitch(1, 7, TXT_MSW1_PRINT, TXT_MSW1_7, IDC_MSW1_PRINT_CR, TXT_MSW1_PRINT_CR,
                    IDC_MSW1_PRINT_CODES, TXT_MSW1_PRINT_CODES),
        RadioSwitch(1, 8, TXT_MSW1_CR, TXT_MSW1_8, IDC_MSW1_CR_RETURN, TXT_MSW1_CR_RETURN,
                    IDC_MSW1_CR_RETURN_LF, TXT_MSW1_CR_RETURN_LF),
        CheckSwitch(2, 1, TXT_MSW2_SLASHED_ZERO, IDC_MSW2_SLASHED_ZERO),
        RadioSwitch(2, 2, TXT_MSW2_PAPER_OUT, TXT_MSW2_2, IDC_MSW2_PAPER_OUT_PRINTING,
                    TXT_MSW2_PAPER_OUT_PRINTING, IDC_MSW2_PAPER_OUT_ALWAYS,
                    TXT_MSW2_PAPER_OUT_ALWAYS),
        RadioSwitch(2, 3, TXT_MSW2_DOTS, TXT_MSW2_3, IDC_MSW2_DOTS_NATIVE, TXT_MSW2_DOTS_NATIVE,
                    IDC_MSW2_DOTS_COPY, TXT_MSW2_DOTS_COPY),
        NoSwitch(2, 4),
        RadioSwitch(2, 5, TXT_MSW2_MODE, TXT_MSW2_5, IDC_MSW2_MODE_HD, TXT_MSW2_MODE_HD,
                    IDC_MSW2_MODE_HS, TXT_MSW2_MODE_HS),
        RadioSwitch(2, 6, TXT_MSW2_DATA, TXT_MSW2_6, IDC_MSW2_DATA_8, TXT_MSW2_DATA_8,
                    IDC_MSW2_DATA_7, TXT_MSW2_DATA_7),
        RadioSwitch(2, 7, TXT_MSW2_WIDTH, TXT_MSW2_7, IDC_MSW2_WIDTH_136, TXT_MSW2_WIDTH_136,
                    IDC_MSW2_WIDTH_80, TXT_MSW2_WIDTH_80),
        RadioSwitch(2, 8, TXT_MSW2_DIRECTION, TXT_MSW2_8, IDC_MSW2_BIDIRECTIONAL,
                    TXT_MSW2_BIDIRECTIONAL, IDC_MSW2_UNIDIRECTIONAL, TXT_MSW2_UNIDIRECTIONAL),
        RadioSwitch(3, 1, TXT_MSW3_LAN, TXT_MSW3_1, IDC_MSW3_LAN_NO, TXT_MSW3_LAN_NO,
                    IDC_MSW3_LAN_YES, TXT_MSW3_LAN_YES),
        NoSwitch(3, 2),
        RadioSwitch(3, 3, TXT_MSW3_REMEMBER, TXT_MSW3_3, IDC_MSW3_REMEMBER_YES,
                    TXT_MSW3_REMEMBER_YES, IDC_MSW3_REMEMBER_NO, TXT_MSW3_REMEMBER_NO),
        RadioSwitch(3, 4, TXT_MSW3_LOAD, TXT_MSW3_4, IDC_MSW3_LOAD_ESC_A, TXT_MSW3_LOAD_ESC_A,
                    IDC_MSW3_LOAD_CODES, TXT_MSW3_LOAD_CODES),
        RadioSwitch(3, 5, TXT_MSW3_CUT_FEED, TXT_MSW3_5, IDC_MSW3_CUT_FEED_OFF,
                    TXT_MSW3_CUT_FEED_OFF, IDC_MSW3_CUT_FEED_ON, TXT_MSW3_CUT_FEED_ON),
        NoSwitch(3, 6),
        CheckSwitch(3, 7, TXT_MSW3_SLASHED_ZERO, IDC_MSW3_SLASHED_ZERO),
        RadioSwitch(3, 8, TXT_MSW3_SKIP, TXT_MSW3_8, IDC_MSW3_SKIP_OFF, TXT_MSW3_SKIP_OFF,
                    IDC_MSW3_SKIP_ON, TXT_MSW3_SKIP_ON),
        RadioSwitch(4, 1, TXT_MSW4_EDGE, TXT_MSW4_1, IDC_MSW4_EDGE_DETECT, TXT_MSW4_EDGE_DETECT,
                    IDC_MSW4_EDGE_IGNORE, TXT_MSW4_EDGE_IGNORE),
        RadioSwitch(4, 2, TXT_MSW4_FEEDER, TXT_MSW4_2, IDC_MSW4_FEEDER_THROUGHPUT,
                    TXT_MSW4_FEEDER_THROUGHPUT, IDC_MSW4_FEEDER_SKEW, TXT_MSW4_FEEDER_SKEW),
        RadioSwitch(4, 3, TXT_MSW4_CUT, TXT_MSW4_3, IDC_MSW4_CUT_FIXED, TXT_MSW4_CUT_FIXED,
                    IDC_MSW4_CUT_TOF, TXT_MSW4_CUT_TOF),
        RadioSwitch(4, 4, TXT_MSW4_DOT, TXT_MSW4_4, IDC_MSW4_DOT_UNIDIRECTIONAL,
                    TXT_MSW4_DOT_UNIDIRECTIONAL, IDC_MSW4_DOT_BIDIRECTIONAL,
                    TXT_MSW4_DOT_BIDIRECTIONAL),
        RadioSwitch(4, 5, TXT_MSW4_SPEED, TXT_MSW4_5, IDC_MSW4_SPEED_NORMAL, TXT_MSW4_SPEED_NORMAL,
                    IDC_MSW4_SPEED_HIGH, TXT_MSW4_SPEED_HIGH),
        RadioSwitch(4, 6, TXT_MSW4_GUIDE_EJECT, TXT_MSW4_6, IDC_MSW4_GUIDE_EJECT_COMMANDED,
                    TXT_MSW4_GUIDE_EJECT_COMMANDED, IDC_MSW4_GUIDE_EJECT_REAR,
                    TXT_MSW4_GUIDE_EJECT_REAR),
        RadioSwitch(4, 7, TXT_MSW4_FEEDER_EJECT, TXT_MSW4_7, IDC_MSW4_FEEDER_EJECT_COMMANDED,
                    TXT_MSW4_FEEDER_EJECT_COMMANDED, IDC_MSW4_FEEDER_EJECT_REAR,
                    TXT_MSW4_FEEDER_EJECT_REAR),
        RadioSwitch(4, 8, TXT_MSW4_GUIDE_LOADING, TXT_MSW4_8, IDC_MSW4_GUIDE_AUTO,
                    TXT_MSW4_GUIDE_AUTO, IDC_MSW4_GUIDE_MANUAL, TXT_MSW4_GUIDE_MANUAL),
    };
    rows.insert(rows.end(), std::begin(switches), std::end(switches));
}

std::vector<Row> BuildCatalogue() {
    std::vector<Row> rows;
    AddSelectPage(rows);
    AddFormatRecords(rows);
    AddParamPage(rows);
    AddMswPages(rows);
    return rows;
}

} // namespace

const std::vector<Row>& Catalogue() {
    static const std::vector<Row> rows = BuildCatalogue();
    return rows;
}

} // namespace settings
