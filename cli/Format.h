#pragma once
// printf-style formatting into a string, for the program's messages.
#include <string>

namespace cli {

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

} // namespace cli
