// e2e driver of TBSetup: runs one scenario against the real installer in the prefix it
// runs in. Exit code 0 when every check passed, 1 when one failed, 2 on bad usage.
// Usage: tbsetup_driver.exe SCENARIO ARGS...
#include "tests/e2e/SetupScenarios.h"

#include <cstdio>
#include <cstring>

namespace {

struct Scenario {
    const char* name;
    const char* arguments;
    size_t minimumCount; // of arguments
    void (*run)(e2e::Checks&, const setup::Args&);
};

const Scenario kScenarios[] = {
    {"install", "EXE [--no-pause] [--path PATH] [--help FILE] [--link-failures] NAME...", 2,
     setup::Install},
    {"missing-files", "EXE", 1, setup::MissingFiles},
    {"refusals", "EXE FOREIGN-FOLDER", 2, setup::Refusals},
    {"free-space", "EXE ROOT", 2, setup::FreeSpace},
    {"broken", "EXE empty|title [SWITCHES]", 2, setup::BrokenSetupInfo},
    {"opens", "EXE", 1, setup::Opens},
    {"other-switch", "EXE SWITCH", 2, setup::OtherSwitch},
    {"single-instance", "EXE", 1, setup::SingleInstance},
    {"uninstall", "EXE yes|no COUNT [--no-pause]", 3, setup::Uninstall},
};

int Usage() {
    for (const Scenario& scenario : kScenarios)
        std::fprintf(stderr, "usage: tbsetup_driver.exe %s %s\n", scenario.name,
                     scenario.arguments);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    setup::Args args(argv + 2, argv + argc);
    for (const Scenario& scenario : kScenarios) {
        if (std::strcmp(argv[1], scenario.name) != 0) continue;
        if (args.size() < scenario.minimumCount) return Usage();
        e2e::Checks checks;
        scenario.run(checks, args);
        return checks.Result();
    }
    return Usage();
}
