#pragma once
// The ids and texts the icon-menu tests expect, as the program's description gives them.
#include <string>

namespace wintest {

const unsigned kMainMenu = 142;

const unsigned kLoadCommand = 32781, kSaveCommand = 32782, kFactoryCommand = 32785,
               kPrinterCommand = 32798, kSendCommand = 32784, kReceiveCommand = 32803,
               kSelectCommand = 32771, kParamCommand = 32801, kMsw1Command = 32773,
               kMsw2Command = 32778, kMsw3Command = 32779, kMsw4Command = 32780;
const unsigned kExitCommand = 32783, kHelpCommand = 32806, kAboutCommand = 16;

// The twelve commands with their bitmaps.
struct CommandImage {
    unsigned command;
    int bitmap;
};
const CommandImage kCommandImages[12] = {
    {kLoadCommand, 160},   {kSaveCommand, 161},   {kFactoryCommand, 163}, {kPrinterCommand, 164},
    {kSendCommand, 162},   {kReceiveCommand, 169}, {kSelectCommand, 167}, {kParamCommand, 165},
    {kMsw1Command, 166},   {kMsw2Command, 166},   {kMsw3Command, 166},    {kMsw4Command, 166},
};

// An item text without the blanks that pad it before its tab.
inline std::string WithoutPadding(const std::string& text) {
    const std::size_t tab = text.find('\t');
    if (tab == std::string::npos || tab == 0) return text;
    const std::size_t end = text.find_last_not_of(' ', tab - 1);
    return text.substr(0, end == std::string::npos ? 0 : end + 1) + text.substr(tab);
}

} // namespace wintest
