#pragma once
// Settings file: a 20-byte header "Corvane K42\n" padded with 0x00, then the 270 bytes of
// the settings block. No version, length or checksum; the header is the only check.
#include "settings/SettingsBlock.h"

#include <array>
#include <cstddef>

namespace settings {

constexpr std::size_t kFileHeaderSize = 20;
constexpr std::size_t kFileSize = kFileHeaderSize + kBlockSize;
extern const char kFileHeaderText[]; // "Corvane K42\n"

std::array<unsigned char, kFileSize> EncodeSettingsFile(const SettingsBlock& block);

// Copies the block out of the first kFileSize bytes of `data` and returns true when its
// first 20 bytes, read as a zero-terminated string, are exactly the header text (so the
// text must be followed by 0x00 within the 20 bytes). Bytes after the first kFileSize are
// ignored. A foreign header or data shorter than kFileSize (including none) is refused:
// returns false and leaves `block` untouched, so a truncated file never yields a partly
// overwritten block.
bool DecodeSettingsFile(const unsigned char* data, std::size_t size, SettingsBlock& block);

} // namespace settings
