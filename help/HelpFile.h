#pragma once
// Which help file the program uses on which Windows: Windows Help on Windows 95 and
// NT 4.0 and earlier, HTML Help everywhere else.

struct HelpChoice {
    bool useHtmlHelp;
    const char* fileName;
};

HelpChoice ChooseHelpFile(unsigned long platformId, unsigned long major, unsigned long minor);
