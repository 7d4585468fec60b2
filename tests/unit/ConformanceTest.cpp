// The ids and texts that the users of TBK42 and TBSetup see, and that the e2e drivers
// find and compare, written out once here as numbers and words of their own: a changed
// value in the programs' headers fails this test, and every other test uses the headers.
#include "app/Texts.h"
#include "installer/win32/SetupIds.h"
#include "installer/win32/Texts.h"
#include "printer/PrinterList.h"
#include "settings/PageIds.h"
#include "resources/Tbk42Ids.h"
#include "settings/SettingTexts.h"

#include <gtest/gtest.h>

#include <string>

// clang-format off
#define ID(name, value) {#name, name, value}
#define TEXT(name, value) {#name, name, value}

TEST(Conformance, IdsAreTheProgramsOwn) {
    const struct {
        const char* name;
        int code, expected;
    } cases[] = {
        // TBK42: menu commands, toolbar buttons, resources and controls
        ID(ID_FILE_LOAD, 32781), ID(ID_FILE_SAVE, 32782), ID(ID_RECEIVE, 32803),
        ID(ID_SEND, 32784), ID(ID_FACTORY, 32785), ID(ID_CHOOSE_PRINTER, 32798),
        ID(ID_EXIT, 32783), ID(ID_PAGE_SELECT, 32771), ID(ID_PAGE_PARAM, 32801),
        ID(ID_PAGE_MSW1, 32773), ID(ID_PAGE_MSW2, 32778), ID(ID_PAGE_MSW3, 32779),
        ID(ID_PAGE_MSW4, 32780), ID(ID_HELP_CONTENTS, 32806), ID(ID_ABOUT, 16),
        ID(ID_DATA_CHECK, 32805), ID(ID_TB_LOAD, 2000), ID(ID_TB_SAVE, 2001),
        ID(ID_TB_RECEIVE, 2002), ID(ID_TB_SEND, 2003), ID(ID_TB_FACTORY, 2004),
        ID(ID_TB_PRINTER, 2005), ID(IDR_MAIN, 142), ID(IDD_MAIN, 102),
        ID(IDD_PAGE_MSW1, 129), ID(IDC_TAB, 1000), ID(IDC_PRINTER_LIST, 1069),
        ID(static_cast<int>(settings::kPageTitles.size()), 6),
        // TBK42: the controls of the pages and the format dialog
        ID(IDC_PARAM_CENTRING_CUT, 1061), ID(IDC_PARAM_CENTRING_FRONT, 1062),
        ID(IDC_PARAM_CENTRING_REAR, 1063), ID(IDC_PARAM_FEED_TIME, 1064),
        ID(IDC_SELECT_FORMAT, 1056), ID(IDC_SELECT_FORMAT_BUTTON, 1002),
        ID(IDC_MSW1_COUNTRY, 1010), ID(IDC_MSW1_DC_ENABLED, 1016),
        ID(IDC_MSW1_DC_DISABLED, 1235), ID(IDC_MSW1_AUTO_CRLF, 1008),
        ID(IDC_MSW1_PRINT_CR, 1011), ID(IDC_MSW1_CR_RETURN, 1014),
        ID(IDC_MSW2_SLASHED_ZERO, 1016), ID(IDC_MSW2_PAPER_OUT_PRINTING, 1017),
        ID(IDC_MSW2_PAPER_OUT_ALWAYS, 1018), ID(IDC_MSW2_DOTS_NATIVE, 1019),
        ID(IDC_MSW2_DOTS_COPY, 1236), ID(IDC_MSW2_MODE_HD, 1020),
        ID(IDC_MSW2_DATA_8, 1021), ID(IDC_MSW2_WIDTH_136, 1022),
        ID(IDC_MSW2_BIDIRECTIONAL, 1024), ID(IDC_MSW3_LAN_NO, 1031),
        ID(IDC_MSW3_REMEMBER_YES, 1027), ID(IDC_MSW3_LOAD_ESC_A, 1029),
        ID(IDC_MSW3_CUT_FEED_OFF, 1028), ID(IDC_MSW3_SLASHED_ZERO, 1026),
        ID(IDC_MSW3_SKIP_OFF, 1030), ID(IDC_MSW4_EDGE_DETECT, 1031),
        ID(IDC_MSW4_FEEDER_THROUGHPUT, 1032), ID(IDC_MSW4_CUT_TOF, 1236),
        ID(IDC_MSW4_DOT_BIDIRECTIONAL, 1009), ID(IDC_MSW4_SPEED_NORMAL, 1035),
        ID(IDC_MSW4_GUIDE_EJECT_COMMANDED, 1036), ID(IDC_MSW4_FEEDER_EJECT_COMMANDED, 1037),
        ID(IDC_MSW4_GUIDE_AUTO, 1039), ID(IDC_FORMAT_EDIT_FRONT, 1060),
        ID(IDC_FORMAT_EDIT_REAR, 1200), ID(IDC_FORMAT_EDIT_GUIDE, 1062),
        ID(IDC_FORMAT_EDIT_FEEDER, 1066), ID(IDC_FORMAT_EDIT_POSTCARD, 1064),
        ID(IDC_FORMAT_SLIDER_FRONT, 1094), ID(IDC_FORMAT_SLIDER_GUIDE, 1095),
        ID(IDC_FORMAT_SLIDER_FEEDER, 1102), ID(IDC_FORMAT_SLIDER_POSTCARD, 1096),
        ID(IDC_FORMAT_LENGTH, 1054), ID(IDC_FORMAT_LEFT, 1201),
        ID(IDC_FORMAT_RIGHT, 1202), ID(IDC_FORMAT_CUT_ADJUST, 1061),
        // TBSetup: templates and controls
        ID(IDD_FOLDER, 102), ID(IDD_PROGRESS, 129), ID(IDD_CONFIRM, 130),
        ID(IDC_INSTALL_PATH, 1000), ID(IDC_BROWSE, 1001), ID(IDC_HEADING, 1002),
        ID(IDC_PROGRESS_BAR, 1003), ID(IDC_PERCENT, 1004), ID(IDC_STATUS, 1005),
        ID(IDC_CONFIRM_LINE1, 1007), ID(IDC_CONFIRM_LINE2, 1008),
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, c.code) << c.name;
}

TEST(Conformance, TextsAreTheProgramsOwn) {
    const struct {
        const char* name;
        const char* code;
        const char* expected;
    } cases[] = {
        // TBK42
        TEXT(kMessageTitle, "Tuneboard"),
        TEXT(kMainWindowTitle, "Varo Corvane K42 チューンボード"),
        TEXT(kDialogClass, "#32770"),
        TEXT(kFactoryShownMessage, "工場出荷設定値を表示しました。"),
        TEXT(kExitSendQuestion, "Tuneboard を終了する前に、設定値をプリンタへ送信しますか？"),
        TEXT(kExitSaveQuestion, "Tuneboard を終了する前に、設定ファイルへ保存しますか？"),
        TEXT(
            kChangePrinterSendQuestion,
            "設定値が変更されています。\nプリンタを切り替える前に、設定値をプリンタへ送信しますか？"),
        TEXT(kChangePrinterSaveQuestion,
             "設定値が変更されています。\nプリンタを切り替える前に、設定ファイルへ保存しますか？"),
        TEXT(
            kNoUsablePrinter,
            "使用可能なプリンタがありませんでした。プリンタドライバを確認してからやり直してください。\n\nTuneboardを終了します。"),
        TEXT(
            kOnlyFilePorts,
            "インストールされているプリンタの接続先がFILEのため設定値を受信/送信できません。\nプリンタ設定を確認してやり直してください。\n\nTuneboardを終了します。"),
        TEXT(
            kFilePortOnlyRow,
            "接続先がFILEのため設定値を受信/送信できません。\nプリンタ設定を確認してやり直してください。\n\nTuneboardを終了します。"),
        TEXT(
            kFilePortChooseOther,
            "接続先がFILEのため設定値を受信/送信できません。\nプリンタ設定を変更するか、他のプリンタに変更してください。"),
        TEXT(kNoReadBackOnThisPort, "設定値をプリンタから取得できません。"),
        TEXT(
            kNoReadBackOnNt,
            "Windows XP/2000/NT 4.0でご利用になる場合、設定値をプリンタから取得することはできません。"),
        TEXT(kStatusPrinter, "プリンタ名： %s"),
        TEXT(kStatusConnection, "接続先： %s"),
        TEXT(kPrinterBusy,
             "現在プリンタが印刷中あるいは、エラーが発生しているため、設定値の取得はできません。"),
        TEXT(kHelpMissing, "ヘルプファイルが見つかりません。"),
        TEXT(kNotSettingsFile, "このファイルは設定ファイルではありません。"),
        TEXT(kSent, "プリンタに設定値を送信しました。"),
        TEXT(
            kPrinterUnusable,
            "指定されたプリンタは、現在接続されていないか、プリンタ使用権の制限により使用できません。"),
        TEXT(printer::kModelDriverName, "Varo Corvane K42"),
        TEXT(settings::kPageTitles[0], "機能選択"),
        TEXT(settings::kPageTitles[1], "パラメータ設定"),
        TEXT(settings::kPageTitles[2], "ＭＳＷ１"),
        TEXT(settings::kPageTitles[3], "ＭＳＷ２"),
        TEXT(settings::kPageTitles[4], "ＭＳＷ３"),
        TEXT(settings::kPageTitles[5], "ＭＳＷ４"),
        // TBSetup
        TEXT(texts::kSpecifyFolder, "インストール先を指定してください。"),
        TEXT(
            texts::kNoFreeSpace,
            "指定されたドライブは、空き容量が不足しているためインストールできません。\n"
            "インストールするドライブを変更するか、%dMB以上の空き容量を確保してからやり直してください。"),
        TEXT(
            texts::kCreateFolder,
            "指定されたフォルダ\n   %s     \nはありません。\nフォルダを作成してもよろしいですか？"),
        TEXT(texts::kStarting, "インストールを開始します。"),
        TEXT(texts::kFilesMissing,
             "インストールに必要なファイルがありません。\nインストールを中止します。"),
        TEXT(texts::kInstalled, "インストールが完了しました。"),
        TEXT(texts::kCopyFailed,
             "次のファイルをインストールできませんでした。\n%s\nインストールは完了していません。"),
        TEXT(texts::kIncompleteRemovable,
             "\nコントロールパネルの「アプリケーションの追加と削除」で「%s」を削除できます。"),
        TEXT(texts::kNoInstallInfo,
             "インストールに必要な情報を取得できませんでした。\nインストールを中止します。"),
        TEXT(texts::kShowHelp, "今すぐに%sのヘルプを表示しますか？"),
        TEXT(
            texts::kSetupInfoBroken,
            "インストール設定情報ファイルが存在しないか、壊れています。\nインストール元を確認してください。\n"
            "インストールを中止します。"),
        TEXT(texts::kUninstallCaption, "アンインストール中..."),
        TEXT(texts::kUninstallDeclined, "アンインストールは中止されました。"),
        TEXT(texts::kUninstalled, "アンインストールが完了しました。"),
        TEXT(texts::kProgramShortcutDescription,
             "%sのプリンタ設定を変更するためのユーティリティです。"),
        TEXT(texts::kHelpShortcutName, "チューンボードのヘルプ"),
        TEXT(texts::kHelpShortcutDescription, "Varo %s チューンボードのヘルプです。"),
        TEXT(texts::kInstallStart, "インストールを開始します....."),
        TEXT(texts::kStepProgram, "TBSetup.exeをインストールしています....."),
        TEXT(texts::kStepSetupInfo, "TBSetup.iniをインストールしています....."),
        TEXT(texts::kStepFile, "%s をインストールしています....."),
        TEXT(texts::kStepShortcuts, "ショートカットを登録しています....."),
        TEXT(texts::kStepRegistry, "レジストリを登録しています....."),
        TEXT(texts::kStepDone, "インストールが完了しました....."),
        TEXT(texts::kStepRemoveShortcuts, "ショートカットを削除しています....."),
        TEXT(texts::kStepRemoveRegistry, "レジストリを削除しています....."),
        TEXT(texts::kStepRemoveFile, "ファイルを削除しています...."),
        TEXT(texts::kSetPathFailed, "SetPath failed!"),
        TEXT(texts::kSetDescriptionFailed, "SetDescription failed!"),
        TEXT(texts::kSetWorkingDirectoryFailed, "SetWrokingDirectory failed!"),
        TEXT(texts::kSaveFailed, "Save failed!"),
    };
    for (const auto& c : cases)
        EXPECT_EQ(std::string(c.expected), c.code) << c.name;
}
