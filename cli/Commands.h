#pragma once
// The commands of k42 over a small interface to the system, so that they are the same on
// Windows and on Linux: show, diff, export, import, send.
#include <cstddef>
#include <string>
#include <vector>

namespace cli {

// Exit codes.
constexpr int kExitOk = 0;
constexpr int kExitDifferent = 1; // diff: the settings differ; send: a printer was not sent to
constexpr int kExitError = 2;

// The program's version, the one the Linux package carries too.
extern const char kVersion[];

// A text file or a settings file larger than this is refused.
constexpr std::size_t kMaxInputSize = 1 << 20;

class System {
public:
    virtual ~System() = default;
    // Reads at most `limit` + 1 bytes, so that a caller can tell a file longer than
    // `limit`; false when the file cannot be opened or read.
    virtual bool ReadFile(const std::string& name, std::size_t limit,
                          std::vector<unsigned char>& data) = 0;
    // Replaces the file with `data`; false, keeping the old file, when any step fails.
    virtual bool WriteFile(const std::string& name, const std::vector<unsigned char>& data) = 0;
    virtual void Out(const std::string& text) = 0;
    virtual void Err(const std::string& text) = 0;
    // Sends `data` as one raw job to `printer`; false with the reason otherwise.
    virtual bool Send(const std::string& printer, const unsigned char* data, std::size_t size,
                      std::string& why) = 0;
};

// Runs the command in `args` (without the program name) and gives its exit code. Texts
// and names are CP932. "--help" and "--version" print to standard output; a command
// that does not fit prints the usage to standard error.
int RunCommand(const std::vector<std::string>& args, System& system);

} // namespace cli
