#pragma once
// Reading a file whole through the C library, bounded, for both systems' layers.
#include <cstddef>
#include <string>
#include <vector>

namespace cli {

// Reads at most `limit` + 1 bytes of the file at `path` (a name in the system's own
// encoding) into `data`, so that a caller can tell a longer file; false when the file
// cannot be opened or read.
bool ReadFileBounded(const std::string& path, std::size_t limit, std::vector<unsigned char>& data);

} // namespace cli
