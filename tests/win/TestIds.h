#pragma once
// The ids the Windows tests drive and check, under the tests' names, from the programs'
// headers; the conformance test pins their numbers.
#include "resources/Tbk42Ids.h"
#include "settings/PageIds.h"

namespace ids {

// Menu commands (menu 142) and the page's data-check command.
constexpr int kLoadCommand = ID_FILE_LOAD;
constexpr int kSaveCommand = ID_FILE_SAVE;
constexpr int kReceiveCommand = ID_RECEIVE;
constexpr int kSendCommand = ID_SEND;
constexpr int kFactoryCommand = ID_FACTORY;
constexpr int kChoosePrinterCommand = ID_CHOOSE_PRINTER;
constexpr int kExitCommand = ID_EXIT;
constexpr int kSelectPageCommand = ID_PAGE_SELECT;
constexpr int kParamPageCommand = ID_PAGE_PARAM;
constexpr int kMsw1PageCommand = ID_PAGE_MSW1;
constexpr int kMsw2PageCommand = ID_PAGE_MSW2;
constexpr int kMsw3PageCommand = ID_PAGE_MSW3;
constexpr int kMsw4PageCommand = ID_PAGE_MSW4;
constexpr int kHelpCommand = ID_HELP_CONTENTS;
constexpr int kAboutCommand = ID_ABOUT;
constexpr int kDataCheckCommand = ID_DATA_CHECK;

// Toolbar buttons.
constexpr int kLoadButton = ID_TB_LOAD;
constexpr int kSaveButton = ID_TB_SAVE;
constexpr int kReceiveButton = ID_TB_RECEIVE;
constexpr int kSendButton = ID_TB_SEND;
constexpr int kFactoryButton = ID_TB_FACTORY;
constexpr int kPrinterButton = ID_TB_PRINTER;

// Resources.
constexpr int kAcceleratorTable = IDR_MAIN;
constexpr int kMainTemplate = IDD_MAIN;
constexpr int kMsw1Template = IDD_PAGE_MSW1;

// Tabs of the main window, and its tab control.
enum Tab { kSelectTab = 0, kParamTab = 1, kMsw1Tab = 2, kMsw2Tab = 3, kMsw3Tab = 4, kMsw4Tab = 5 };
constexpr int kTabControl = IDC_TAB;

// Memory-switch pages: the controls of value 0 unless named otherwise.
constexpr int kMsw1Country = IDC_MSW1_COUNTRY;
constexpr int kMsw1DcEnabled = IDC_MSW1_DC_ENABLED;
constexpr int kMsw1DcDisabled = IDC_MSW1_DC_DISABLED;
constexpr int kMsw1AutoCrLf = IDC_MSW1_AUTO_CRLF;
constexpr int kMsw1PrintCrOnly = IDC_MSW1_PRINT_CR;
constexpr int kMsw1CrReturnOnly = IDC_MSW1_CR_RETURN;
constexpr int kMsw2SlashedZero = IDC_MSW2_SLASHED_ZERO; // check box
constexpr int kMsw2PaperOutPrinting = IDC_MSW2_PAPER_OUT_PRINTING;
constexpr int kMsw2PaperOutAlways = IDC_MSW2_PAPER_OUT_ALWAYS;
constexpr int kMsw2DotsNative = IDC_MSW2_DOTS_NATIVE;
constexpr int kMsw2DotsCopy = IDC_MSW2_DOTS_COPY;
constexpr int kMsw2ModeHd = IDC_MSW2_MODE_HD;
constexpr int kMsw2Data8 = IDC_MSW2_DATA_8;
constexpr int kMsw2Width136 = IDC_MSW2_WIDTH_136;
constexpr int kMsw2Bidirectional = IDC_MSW2_BIDIRECTIONAL;
constexpr int kMsw3LanNo = IDC_MSW3_LAN_NO;
constexpr int kMsw3RememberYes = IDC_MSW3_REMEMBER_YES;
constexpr int kMsw3LoadEscA = IDC_MSW3_LOAD_ESC_A;
constexpr int kMsw3CutFeedOff = IDC_MSW3_CUT_FEED_OFF;
constexpr int kMsw3SlashedZero = IDC_MSW3_SLASHED_ZERO; // check box
constexpr int kMsw3SkipOff = IDC_MSW3_SKIP_OFF;
constexpr int kMsw4EdgeDetect = IDC_MSW4_EDGE_DETECT;
constexpr int kMsw4FeederThroughput = IDC_MSW4_FEEDER_THROUGHPUT;
constexpr int kMsw4CutTof = IDC_MSW4_CUT_TOF;
constexpr int kMsw4DotBidirectional = IDC_MSW4_DOT_BIDIRECTIONAL;
constexpr int kMsw4SpeedNormal = IDC_MSW4_SPEED_NORMAL;
constexpr int kMsw4GuideEjectCommanded = IDC_MSW4_GUIDE_EJECT_COMMANDED;
constexpr int kMsw4FeederEjectCommanded = IDC_MSW4_FEEDER_EJECT_COMMANDED;
constexpr int kMsw4GuideAuto = IDC_MSW4_GUIDE_AUTO;

// Parameter page edits.
constexpr int kCentringCutSheet = IDC_PARAM_CENTRING_CUT;
constexpr int kCentringFront = IDC_PARAM_CENTRING_FRONT;
constexpr int kCentringRear = IDC_PARAM_CENTRING_REAR;
constexpr int kFeedTime = IDC_PARAM_FEED_TIME;

// Function-selection page.
constexpr int kFormatList = IDC_SELECT_FORMAT;
constexpr int kFormatButton = IDC_SELECT_FORMAT_BUTTON;

// Format dialog.
constexpr int kFormatEditFront = IDC_FORMAT_EDIT_FRONT;
constexpr int kFormatEditRear = IDC_FORMAT_EDIT_REAR;
constexpr int kFormatEditGuide = IDC_FORMAT_EDIT_GUIDE;
constexpr int kFormatEditFeeder = IDC_FORMAT_EDIT_FEEDER;
constexpr int kFormatEditPostcard = IDC_FORMAT_EDIT_POSTCARD;
constexpr int kFormatSliderFront = IDC_FORMAT_SLIDER_FRONT;
constexpr int kFormatSliderGuide = IDC_FORMAT_SLIDER_GUIDE;
constexpr int kFormatSliderFeeder = IDC_FORMAT_SLIDER_FEEDER;
constexpr int kFormatSliderPostcard = IDC_FORMAT_SLIDER_POSTCARD;
constexpr int kFormatLength = IDC_FORMAT_LENGTH;
constexpr int kFormatLeft = IDC_FORMAT_LEFT;
constexpr int kFormatRight = IDC_FORMAT_RIGHT;
constexpr int kFormatCutAdjust = IDC_FORMAT_CUT_ADJUST;

// Printer-selection dialog.
constexpr int kPrinterList = IDC_PRINTER_LIST;

} // namespace ids
