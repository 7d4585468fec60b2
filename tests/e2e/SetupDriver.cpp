// e2e driver of TBSetup: runs one scenario against the real installer in the prefix it
// runs in. Exit code 0 when every check passed, 1 when one failed, 2 on bad usage.
// Usage: tbsetup_driver.exe SCENARIO ARGS...
#include "tests/e2e/SetupScenarios.h"

namespace {

const e2e::Scenario kScenarios[] = {
    {"install",
     "EXE [--no-pause] [--path PATH] [--help FILE] [--open-help hlp|chm] [--link-failures] NAME...",
     2, setup::Install},
    {"missing-files", "EXE", 1, setup::MissingFiles},
    {"refusals", "EXE FOREIGN-FOLDER...", 2, setup::Refusals},
    {"free-space", "EXE ROOT", 2, setup::FreeSpace},
    {"broken", "EXE empty|title [SWITCHES]", 2, setup::BrokenSetupInfo},
    {"opens", "EXE", 1, setup::Opens},
    {"other-switch", "EXE SWITCH", 2, setup::OtherSwitch},
    {"single-instance", "EXE", 1, setup::SingleInstance},
    {"uninstall", "EXE yes|no COUNT [--no-pause]", 3, setup::Uninstall},
};

} // namespace

int main(int argc, char** argv) {
    return e2e::RunScenario("tbsetup_driver.exe", kScenarios, argc, argv);
}
