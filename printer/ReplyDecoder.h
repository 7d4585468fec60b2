#pragma once
// The printer's answer to the settings request: a 132-byte binary reply that is turned
// back into the text fields of the 270-byte settings block.
#include "settings/SettingsBlock.h"

#include <cstddef>

namespace printer {

constexpr std::size_t kReplySize = 132;

// The settings request written to the port: FS "o" "3" "." NUL.
constexpr unsigned char kSettingsRequest[] = {0x1C, 0x6F, 0x33, 0x2E, 0x00};
constexpr std::size_t kSettingsRequestSize = sizeof kSettingsRequest;

// Writes the fields carried by the `size` bytes of `reply` into `block`. Only a reply of
// exactly kReplySize bytes is decoded; any other length (none, short or long) returns
// false and leaves the block as it was. Only the field characters are written: the
// header, separators, terminator, padding, reserved bytes and byte 245 keep what the
// block held. Values are not range-checked; a number wider than its field is cut to the
// field's width.
bool DecodeReply(const unsigned char* reply, std::size_t size, settings::SettingsBlock& block);

} // namespace printer
