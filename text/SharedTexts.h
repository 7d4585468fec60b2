#pragma once
// Messages that TBK42 and k42 both show, word for word: a file that is no settings file,
// a failed write, a printer that cannot take the settings, a settings block sent.

// Settings files.
inline constexpr char kNotSettingsFile[] = "このファイルは設定ファイルではありません。";
inline constexpr char kFileWriteFailed[] = "設定ファイルの書き込みに失敗しました。";

// Sending.
inline constexpr char kSendToFilePort[] = "接続先がFILEのため設定値を送信できません。";
inline constexpr char kSent[] = "プリンタに設定値を送信しました。";
inline constexpr char kPrinterUnusable[] =
    "指定されたプリンタは、現在接続されていないか、プリンタ使用権の制限により使用できません。";
