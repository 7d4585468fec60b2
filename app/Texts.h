#pragma once
// TBK42's own texts outside the resources.

// Title of the program's message boxes.
inline constexpr char kMessageTitle[] = "Tuneboard";
// The main window's title: also what a second start looks for (the dialog template
// carries the same text; a test keeps the two equal).
inline constexpr char kMainWindowTitle[] = "Varo Corvane K42 チューンボード";
// The class of dialog windows.
inline constexpr char kDialogClass[] = "#32770";

inline constexpr char kFactoryShownMessage[] = "工場出荷設定値を表示しました。";

// Settings files.
inline constexpr char kDiscardQuestion[] =
    "設定が変更されています。\nコマンドを続行すると設定の変更は破棄されます。";
inline constexpr char kNotSettingsFile[] = "このファイルは設定ファイルではありません。";
inline constexpr char kFolderAccessDenied[] =
    "指定されたフォルダへのアクセスは拒否されました。\n指定されたフォルダへ書き込むためには、管理者の"
    "権限が必要です。\n\n設定ファイルの保存先を変更してやり直してください。";
inline constexpr char kFileWriteFailed[] = "設定ファイルの書き込みに失敗しました。";
inline constexpr char kFileFilter[] = "TB設定ファイル (*.dat)|*.dat||";
inline constexpr char kFileExtension[] = "dat";
inline constexpr char kFilePattern[] = "*.dat";

// Questions before settings could be lost.
inline constexpr char kExitSendQuestion[] =
    "Tuneboard を終了する前に、設定値をプリンタへ送信しますか？";
inline constexpr char kExitSaveQuestion[] = "Tuneboard を終了する前に、設定ファイルへ保存しますか？";
inline constexpr char kChangePrinterSendQuestion[] =
    "設定値が変更されています。\nプリンタを切り替える前に、設定値をプリンタへ送信しますか？";
inline constexpr char kChangePrinterSaveQuestion[] =
    "設定値が変更されています。\nプリンタを切り替える前に、設定ファイルへ保存しますか？";
