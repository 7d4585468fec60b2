#pragma once
// The command-line program's own texts (CP932 at run time, like every literal). Texts
// it shares with TBK42 come from TBK42's tables.

namespace cli {

// Section of the text form for the bytes that no page edits.
inline constexpr char kLayoutSection[] = "layout";
inline constexpr char kRawPrefix[] = "raw:";
inline constexpr char kRawOnly[] = "raw:XX";
inline constexpr char kTextFormHeader[] = "; Varo Corvane K42 の設定 (k42 テキスト形式 1)\n";

inline constexpr char kByteLabelFormat[] = "バイト %u";
inline constexpr char kHighBitsLabel[] = "スイッチのない上位ビット";
inline constexpr char kNoControlSwitchFormat[] = "（MSW%d-%d）";
inline constexpr char kChecked[] = "付ける";
inline constexpr char kUnchecked[] = "付けない";
inline constexpr char kOtherBytesTitle[] = "ページにないバイト";
// After the page's text when the block holds a code that no page shows.
inline constexpr char kRawCodeFormat[] = "（コード %s）";
inline constexpr char kFactoryWord[] = "factory";
inline constexpr char kFactoryName[] = "工場出荷設定";

inline constexpr char kUsage[] =
    "使い方:\n"
    "  k42 show FILE.dat              設定をページごとに表示します\n"
    "  k42 diff A B                   二つの設定の違いを表示します\n"
    "  k42 export FILE.dat            設定をテキスト形式で出力します\n"
    "  k42 import TEXT FILE.dat       テキスト形式の設定を設定ファイルに書き込みます\n"
    "  k42 send FILE.dat PRINTER...   設定をプリンタへ送信します\n"
    "  k42 --help                     この使い方を表示します\n"
    "  k42 --version                  バージョンを表示します\n"
    "FILE.dat, A, B: 設定ファイル、プリンタへ送られた 270 バイトの印刷ジョブ、\n"
    "                または factory (工場出荷設定)\n"
    "終了コード: 0 成功 (diff: 違いなし), 1 diff: 違いあり / send: 送信できないプリンタあり, 2 エラー\n";
inline constexpr char kVersionFormat[] = "k42 %s";

inline constexpr char kCannotRead[] = "%s: ファイルを読み込めません。";
inline constexpr char kFileTooLong[] = "%s: ファイルが大きすぎます。";
// A file or printer name, then what happened to it.
inline constexpr char kAbout[] = "%s: %s";

inline constexpr char kLineSyntax[] =
    "%s: %d 行目: 「項目 = 値」または [セクション] の形ではありません。";
inline constexpr char kUnknownSetting[] = "%s: %d 行目: %s という項目はありません。";
inline constexpr char kOutsideSection[] = "%s: %d 行目: 項目の前にセクションがありません。";
inline constexpr char kTwice[] = "%s: %d 行目: %s が二度あります。";
inline constexpr char kBadValue[] = "%s: %d 行目: %s の値「%s」は使えません (使える値: %s)。";
inline constexpr char kBadRaw[] = "%s: %d 行目: %s のコード「%s」は使えません (16進数 %d 桁)。";
inline constexpr char kMissing[] = "%s: %s がありません。";

inline constexpr char kNoPrinter[] = "プリンタが見つかりません。";
inline constexpr char kNoScheduler[] = "印刷スケジューラ (%s) に接続できません。";
inline constexpr char kJobRefused[] = "印刷ジョブが受け付けられませんでした。";
inline constexpr char kNoPrinterGiven[] = "送信先のプリンタを指定してください。";

} // namespace cli
