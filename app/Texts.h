#pragma once
// TBK42's own texts outside the resources; those k42 shows too are in the core.
#include "text/SharedTexts.h"

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
inline constexpr char kFolderAccessDenied[] =
    "指定されたフォルダへのアクセスは拒否されました。\n指定されたフォルダへ書き込むためには、管理者の権限が必要です。\n\n設定ファイルの保存先を変更してやり直してください。";
inline constexpr char kFileFilter[] = "TB設定ファイル (*.dat)|*.dat||";
inline constexpr char kFileExtension[] = "dat";
inline constexpr char kFilePattern[] = "*.dat";

// Questions before settings could be lost.
inline constexpr char kExitSendQuestion[] =
    "Tuneboard を終了する前に、設定値をプリンタへ送信しますか？";
inline constexpr char kExitSaveQuestion[] =
    "Tuneboard を終了する前に、設定ファイルへ保存しますか？";
inline constexpr char kChangePrinterSendQuestion[] =
    "設定値が変更されています。\nプリンタを切り替える前に、設定値をプリンタへ送信しますか？";
inline constexpr char kChangePrinterSaveQuestion[] =
    "設定値が変更されています。\nプリンタを切り替える前に、設定ファイルへ保存しますか？";

// Printer selection.
inline constexpr char kFilePort[] = "FILE:";
inline constexpr char kReadBackPort[] = "LPT1:";
inline constexpr char kPrinterColumnName[] = "プリンタ名";
inline constexpr char kPrinterColumnConnection[] = "接続先";
inline constexpr char kNoUsablePrinter[] =
    "使用可能なプリンタがありませんでした。プリンタドライバを確認してからやり直してください。\n\nTuneboardを終了します。";
inline constexpr char kOnlyFilePorts[] =
    "インストールされているプリンタの接続先がFILEのため設定値を受信/送信できません。\nプリンタ設定を確認してやり直してください。\n\nTuneboardを終了します。";
inline constexpr char kNoPrinterChosen[] =
    "プリンタが選択されていません。\nプリンタを選択してください。";
inline constexpr char kFilePortOnlyRow[] =
    "接続先がFILEのため設定値を受信/送信できません。\nプリンタ設定を確認してやり直してください。\n\nTuneboardを終了します。";
inline constexpr char kFilePortChooseOther[] =
    "接続先がFILEのため設定値を受信/送信できません。\nプリンタ設定を変更するか、他のプリンタに変更してください。";
inline constexpr char kNoReadBackOnThisPort[] = "設定値をプリンタから取得できません。";
inline constexpr char kNoReadBackOnNt[] =
    "Windows XP/2000/NT 4.0でご利用になる場合、設定値をプリンタから取得することはできません。";
inline constexpr char kStatusPrinter[] = "プリンタ名： %s";
inline constexpr char kStatusConnection[] = "接続先： %s";

// Sending and reading back.
inline constexpr char kPrinterBusy[] =
    "現在プリンタが印刷中あるいは、エラーが発生しているため、設定値の取得はできません。";
inline constexpr char kTimeoutsNotRead[] = "Not Set Timeout";
inline constexpr char kTimeoutsNotSet[] = "Not Set Timeout2";
inline constexpr char kRequestNotWritten[] = "プリンタに送信できませんでした。";
inline constexpr char kReplyNotRead[] = "プリンタから設定値を取得できませんでした。";
inline constexpr char kReplyReceived[] = "プリンタから設定値を取得しました。";

// Help.
inline constexpr char kHelpMissing[] = "ヘルプファイルが見つかりません。";
