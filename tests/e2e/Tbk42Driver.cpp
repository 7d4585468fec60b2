// e2e driver of TBK42: runs one scenario against the real program in the prefix it
// runs in. Exit code 0 when every check passed, 1 when one failed, 2 on bad usage.
// Usage: tbk42_driver.exe SCENARIO ARGS...
#include "tests/e2e/Tbk42Scenarios.h"

namespace {

const e2e::Scenario kScenarios[] = {
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

} // namespace

int main(int argc, char** argv) {
    return e2e::RunScenario("tbk42_driver.exe", kScenarios, argc, argv);
}
