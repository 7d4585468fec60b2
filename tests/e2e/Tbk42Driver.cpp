// e2e driver of TBK42: runs one scenario against the real program in the prefix it
// runs in. Exit code 0 when every check passed, 1 when one failed, 2 on bad usage.
// Usage: tbk42_driver.exe SCENARIO ARGS...
#include "tests/e2e/Tbk42Scenarios.h"

#include <cstdio>
#include <cstring>

namespace {

struct Scenario {
    const char* name;
    const char* arguments;
    size_t minimumCount; // of arguments
    void (*run)(e2e::Checks&, const tbk42::Args&);
};

const Scenario kScenarios[] = {
    {"startup", "EXE PLATFORM-ID", 2, tbk42::Startup},
    {"single-instance", "EXE COPY-EXE", 2, tbk42::SingleInstance},
    {"no-printer", "EXE", 1, tbk42::NoPrinter},
    {"one-file-printer", "EXE", 1, tbk42::OneFilePrinter},
    {"only-file-printers", "EXE", 1, tbk42::OnlyFilePrinters},
    {"choose-printer", "EXE", 1, tbk42::ChoosePrinter},
    {"cancel-printer", "EXE", 1, tbk42::CancelPrinterChoice},
    {"rechoose-printer-9x", "EXE", 1, tbk42::RechoosePrinter9x},
    {"send", "EXE JOBS-FILE", 2, tbk42::Send},
    {"send-vanished", "EXE", 1, tbk42::SendToVanishedPrinter},
    {"save", "EXE FILE", 2, tbk42::Save},
    {"load", "EXE SAVED AFTER-REFUSED REFUSED...", 4, tbk42::Load},
    {"open-menu", "EXE LETTER SECONDS", 3, tbk42::OpenMenu},
    {"help-opens", "EXE hlp|chm", 2, tbk42::HelpOpens},
    {"help-absent", "EXE", 1, tbk42::HelpAbsent},
    {"help-deleted", "EXE HELP-FILE", 2, tbk42::HelpDeleted},
};

int Usage() {
    for (const Scenario& scenario : kScenarios)
        std::fprintf(stderr, "usage: tbk42_driver.exe %s %s\n", scenario.name, scenario.arguments);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    tbk42::Args args(argv + 2, argv + argc);
    for (const Scenario& scenario : kScenarios) {
        if (std::strcmp(argv[1], scenario.name) != 0) continue;
        if (args.size() < scenario.minimumCount) return Usage();
        e2e::Checks checks;
        scenario.run(checks, args);
        return checks.Result();
    }
    return Usage();
}
