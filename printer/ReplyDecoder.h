#pragma once
// The printer's answer to the settings request: a 132-byte binary reply that is turned
// back into the text fields of the 270-byte settings block.
#include "settings/SettingsBlock.h"

#include <cstddef>

namespace printer {

constexpr std::size_t kReplySize = 132;
constexpr std::size_t kReplyBlockSize = settings::kBlockSize;

// The settings request written to the port: FS "o" "3" "." NUL.
constexpr unsigned char kSettingsRequest[] = {0x1C, 0x6F, 0x33, 0x2E, 0x00};
constexpr std::size_t kSettingsRequestSize = sizeof kSettingsRequest;

// Writes the fields carried by `reply` (kReplySize bytes) into `block` (kReplyBlockSize
// bytes). Only the field characters are written: the header, separators, terminator,
// padding, reserved bytes and byte 245 keep what the block held. Values are not
// range-checked; a number wider than its field is cut to the field's width.
void DecodeReply(const unsigned char* reply, unsigned char* block);

} // namespace printer
