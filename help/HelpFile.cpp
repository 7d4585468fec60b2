#include "help/HelpFile.h"

HelpChoice ChooseHelpFile(unsigned long platformId, unsigned long major, unsigned long minor) {
    const HelpChoice winHelp{false, "tbk42.hlp"};
    const HelpChoice htmlHelp{true, "tbk42.chm"};
    if (platformId == 1) return (major < 5 && minor < 10) ? winHelp : htmlHelp;
    if (platformId == 2) return major < 5 ? winHelp : htmlHelp;
    return htmlHelp;
}
