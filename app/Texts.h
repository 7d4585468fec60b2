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
