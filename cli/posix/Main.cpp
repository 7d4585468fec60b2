// k42 on Linux: the arguments are taken from UTF-8 into the program's CP932, and every
// text goes out as UTF-8.
#include "cli/Commands.h"
#include "cli/posix/CupsSystem.h"

int main(int argc, char** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(cli::Recode(argv[i], "UTF-8", "CP932"));
    cli::CupsSystem system;
    return cli::RunCommand(args, system);
}
