#include "settings/SettingsFile.h"

#include <algorithm>
#include <cstring>

namespace settings {

const char kFileHeaderText[] = "Corvane K42\n";

namespace {

constexpr std::size_t kHeaderTextSize = sizeof kFileHeaderText; // with its terminating 0x00
static_assert(kHeaderTextSize <= kFileHeaderSize, "header text fits the header");

} // namespace

std::array<unsigned char, kFileSize> EncodeSettingsFile(const SettingsBlock& block) {
    std::array<unsigned char, kFileSize> file{};
    std::memcpy(file.data(), kFileHeaderText, kHeaderTextSize);
    std::copy(block.bytes.begin(), block.bytes.end(), file.begin() + kFileHeaderSize);
    return file;
}

bool DecodeSettingsFile(const unsigned char* data, std::size_t size, SettingsBlock& block) {
    if (data == nullptr || size < kFileSize) return false;
    if (std::memcmp(data, kFileHeaderText, kHeaderTextSize) != 0) return false;
    std::copy_n(data + kFileHeaderSize, kBlockSize, block.bytes.begin());
    return true;
}

} // namespace settings
