#include "cli/ReadFile.h"

#include <cstdio>

namespace cli {

bool ReadFileBounded(const std::string& path, std::size_t limit, std::vector<unsigned char>& data) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    data.resize(limit + 1);
    std::size_t count = std::fread(data.data(), 1, data.size(), file);
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    data.resize(count);
    return !failed;
}

} // namespace cli
