#pragma once
// The ids the Windows tests drive and check, written out as numbers of their own, so
// that a wrong number in the program's resource headers makes a test fail instead of
// passing along with it.
namespace ids {

// Menu commands (menu 142) and the page's data-check command.
constexpr int kLoadCommand = 32781;
constexpr int kSaveCommand = 32782;
constexpr int kReceiveCommand = 32803;
constexpr int kSendCommand = 32784;
constexpr int kFactoryCommand = 32785;
constexpr int kChoosePrinterCommand = 32798;
constexpr int kExitCommand = 32783;
constexpr int kSelectPageCommand = 32771;
constexpr int kParamPageCommand = 32801;
constexpr int kMsw1PageCommand = 32773;
constexpr int kMsw2PageCommand = 32778;
constexpr int kMsw3PageCommand = 32779;
constexpr int kMsw4PageCommand = 32780;
constexpr int kHelpCommand = 32806;
constexpr int kAboutCommand = 16;
constexpr int kDataCheckCommand = 32805;

// Toolbar buttons.
constexpr int kLoadButton = 2000;
constexpr int kSaveButton = 2001;
constexpr int kReceiveButton = 2002;
constexpr int kSendButton = 2003;
constexpr int kFactoryButton = 2004;
constexpr int kPrinterButton = 2005;

// Resources.
constexpr int kAcceleratorTable = 142;
constexpr int kMainTemplate = 102;
constexpr int kMsw1Template = 129;

// Tabs of the main window, and its tab control.
enum Tab { kSelectTab = 0, kParamTab = 1, kMsw1Tab = 2, kMsw2Tab = 3, kMsw3Tab = 4, kMsw4Tab = 5 };
constexpr int kTabControl = 1000;

// Memory-switch pages: the controls of value 0 unless named otherwise.
constexpr int kMsw1Country = 1010;
constexpr int kMsw1DcEnabled = 1016;
constexpr int kMsw1DcDisabled = 1235;
constexpr int kMsw1AutoCrLf = 1008;
constexpr int kMsw1PrintCrOnly = 1011;
constexpr int kMsw1CrReturnOnly = 1014;
constexpr int kMsw2SlashedZero = 1016; // check box
constexpr int kMsw2PaperOutPrinting = 1017;
constexpr int kMsw2PaperOutAlways = 1018;
constexpr int kMsw2DotsNative = 1019;
constexpr int kMsw2DotsCopy = 1236;
constexpr int kMsw2ModeHd = 1020;
constexpr int kMsw2Data8 = 1021;
constexpr int kMsw2Width136 = 1022;
constexpr int kMsw2Bidirectional = 1024;
constexpr int kMsw3LanNo = 1031;
constexpr int kMsw3RememberYes = 1027;
constexpr int kMsw3LoadEscA = 1029;
constexpr int kMsw3CutFeedOff = 1028;
constexpr int kMsw3SlashedZero = 1026; // check box
constexpr int kMsw3SkipOff = 1030;
constexpr int kMsw4EdgeDetect = 1031;
constexpr int kMsw4FeederThroughput = 1032;
constexpr int kMsw4CutTof = 1236;
constexpr int kMsw4DotBidirectional = 1009;
constexpr int kMsw4SpeedNormal = 1035;
constexpr int kMsw4GuideEjectCommanded = 1036;
constexpr int kMsw4FeederEjectCommanded = 1037;
constexpr int kMsw4GuideAuto = 1039;

// Parameter page edits.
constexpr int kCentringCutSheet = 1061;
constexpr int kCentringFront = 1062;
constexpr int kCentringRear = 1063;
constexpr int kFeedTime = 1064;

// Function-selection page.
constexpr int kFormatList = 1056;
constexpr int kFormatButton = 1002;

// Format dialog.
constexpr int kFormatEditFront = 1060;
constexpr int kFormatEditRear = 1200;
constexpr int kFormatEditGuide = 1062;
constexpr int kFormatEditFeeder = 1066;
constexpr int kFormatEditPostcard = 1064;
constexpr int kFormatSliderFront = 1094;
constexpr int kFormatSliderGuide = 1095;
constexpr int kFormatSliderFeeder = 1102;
constexpr int kFormatSliderPostcard = 1096;
constexpr int kFormatLength = 1054;
constexpr int kFormatLeft = 1201;
constexpr int kFormatRight = 1202;
constexpr int kFormatCutAdjust = 1061;

// Printer-selection dialog.
constexpr int kPrinterList = 1069;

} // namespace ids
