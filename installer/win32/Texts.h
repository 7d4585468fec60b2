#pragma once
// Every text TBSetup shows or writes that is not part of a dialog template.
namespace texts {

// Setup information and start-up.
constexpr const char kSetupInfoBroken[] =
    "インストール設定情報ファイルが存在しないか、壊れています。\nインストール元を確認してください。\nインストールを中止します。";
constexpr const char kNoRights[] =
    "インストール／アンインストールの権限がありません。詳しくは、システム管理者にお問い合わせください。";
constexpr const char kInstallerCaption[] = "チューンボードインストーラ";

// Folder dialog and the checks before copying.
constexpr const char kChooseFolderPrompt[] = "インストール先のフォルダを選択してください。";
constexpr const char kSpecifyFolder[] = "インストール先を指定してください。";
constexpr const char kNoFreeSpace[] =
    "指定されたドライブは、空き容量が不足しているためインストールできません。\nインストールするドライブを変更するか、%dMB以上の空き容量を確保してからやり直してください。";
constexpr const char kCreateFolder[] =
    "指定されたフォルダ\n   %s     \nはありません。\nフォルダを作成してもよろしいですか？";
constexpr const char kStarting[] = "インストールを開始します。";
constexpr const char kFilesMissing[] =
    "インストールに必要なファイルがありません。\nインストールを中止します。";
// A copy failed: the file, then what is left; while the uninstall entry exists the
// second text follows, with the title, to say how the rest is removed.
constexpr const char kCopyFailed[] =
    "次のファイルをインストールできませんでした。\n%s\nインストールは完了していません。";
constexpr const char kIncompleteRemovable[] =
    "\nコントロールパネルの「アプリケーションの追加と削除」で「%s」を削除できます。";
constexpr const char kInstalled[] = "インストールが完了しました。";
constexpr const char kShowHelp[] = "今すぐに%sのヘルプを表示しますか？";

// Progress window.
constexpr const char kUninstallCaption[] = "アンインストール中...";
constexpr const char kPercent[] = "%d％";
constexpr const char kInstallStart[] = "インストールを開始します.....";
constexpr const char kUninstallStart[] = "アンインストールを開始します.....";

// Installation steps and failures.
constexpr const char kStepProgram[] = "TBSetup.exeをインストールしています.....";
constexpr const char kStepSetupInfo[] = "TBSetup.iniをインストールしています.....";
constexpr const char kStepFile[] = "%s をインストールしています.....";
constexpr const char kStepShortcuts[] = "ショートカットを登録しています.....";
constexpr const char kStepRegistry[] = "レジストリを登録しています.....";
constexpr const char kStepDone[] = "インストールが完了しました.....";
constexpr const char kNoInstallInfo[] =
    "インストールに必要な情報を取得できませんでした。\nインストールを中止します。";
constexpr const char kRegistryWriteFailed[] = "レジストリの書き込みに失敗しました。";
constexpr const char kProgramShortcutDescription[] = "%sのプリンタ設定を変更するためのユーティリティです。";
constexpr const char kHelpShortcutName[] = "チューンボードのヘルプ";
constexpr const char kHelpShortcutDescription[] = "Varo %s チューンボードのヘルプです。";
constexpr const char kSetPathFailed[] = "SetPath failed!";
constexpr const char kSetDescriptionFailed[] = "SetDescription failed!";
constexpr const char kSetWorkingDirectoryFailed[] = "SetWrokingDirectory failed!";
constexpr const char kSaveFailed[] = "Save failed!";

// Uninstallation.
constexpr const char kNoUninstallInfo[] =
    "アンインストールに必要な情報を取得できませんでした。\nアンインストールを中止します。";
constexpr const char kInstallPathUnreadable[] =
    "アンインストール情報が取得できませんでした。\nアンインストールを中止します。";
constexpr const char kStarterError[] = "エラー番号：%d";
constexpr const char kStarterErrorCaption[] = "アンインストーラ起動エラー";
constexpr const char kUninstallDeclined[] = "アンインストールは中止されました。";
constexpr const char kStepRemoveShortcuts[] = "ショートカットを削除しています.....";
constexpr const char kStepRemoveRegistry[] = "レジストリを削除しています.....";
constexpr const char kStepRemoveFile[] = "ファイルを削除しています....";
constexpr const char kRegistryMissing[] =
    "レジストリが存在しないか、壊れています。\nアンインストールを中止します。";
constexpr const char kRegistryUnreadable[] =
    "レジストリが取得できませんでした。\nアンインストールを中止します。";
constexpr const char kRegistryNotDeleted[] =
    "レジストリを削除できませんでした。\nアンインストールを中止します。";
constexpr const char kUninstalled[] = "アンインストールが完了しました。";
constexpr const char kUninstalledFolderKept[] =
    "アンインストールが完了しました。\nただし、インストールの記録が存在しないか、壊れているため、\n次のフォルダは削除していません。\n%s";

} // namespace texts
