#pragma once
// The setting pages' own texts outside the resources.

// Head-centring value below its minimum, shown before a save or send.
inline constexpr char kCentringRangeMessage[] =
    "用紙吸入時ヘッドセンタリング位置の値が設定範囲を超えています。\n適正値に変更します。";
inline constexpr char kCentringRangeTitle[] = "パラメータ設定－用紙吸入時ヘッドセンタリング位置";
// Margin pair in the wrong order in the format dialog.
inline constexpr char kMarginMessage[] =
    "ライトマージン幅はレフトマージン幅より大きくしてください。適正値に変更します。";
inline constexpr char kMarginTitle[] = "レフトマージン幅／ライトマージン幅";
// The format dialog's title and the format button's caption, given the format name.
inline constexpr char kFormatDialogTitle[] = "書式の設定： %s";
inline constexpr char kFormatButtonCaption[] = "%sの設定(&D)...";
