#pragma once
// The main window's command ids the benchmark sends, written out here rather than taken
// from the program's headers.
namespace benchids {

constexpr int kShowSelectPage = 32771; // Ctrl+K
constexpr int kShowParamPage = 32801;  // Ctrl+P
constexpr int kShowMsw1Page = 32773;   // Ctrl+1
constexpr int kShowMsw2Page = 32778;   // Ctrl+2
constexpr int kShowMsw3Page = 32779;   // Ctrl+3
constexpr int kShowMsw4Page = 32780;   // Ctrl+4
constexpr int kParamFont1 = 1058;      // the parameter page's list "フォント１(&1)"

} // namespace benchids
