#pragma once
// The command line's system on Linux: files through POSIX calls, output converted from
// CP932 to UTF-8, printers through CUPS.
#include "cli/Commands.h"

#include <string>

namespace cli {

// `text` converted between encodings ("CP932", "UTF-8"); unchanged when it does not
// convert.
std::string Recode(const std::string& text, const char* from, const char* to);

class CupsSystem : public System {
public:
    bool ReadFile(const std::string& name, std::size_t limit,
                  std::vector<unsigned char>& data) override;
    bool WriteFile(const std::string& name, const std::vector<unsigned char>& data) override;
    void Out(const std::string& text) override;
    void Err(const std::string& text) override;
    bool Send(const std::string& printer, const unsigned char* data, std::size_t size,
              std::string& why) override;
};

} // namespace cli
