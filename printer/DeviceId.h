#pragma once
// Ready check on the printer's IEEE 1284 device ID, a text of items "KEY:value;".
// Only the value of "EXTSTS:" matters: it is laid over the ready status "11111111",
// and the printer is ready when that status reads as the number 0.
#include <cstddef>
#include <string>

namespace printer {

constexpr std::size_t kDeviceIdBufferSize = 256;
constexpr std::size_t kReadyStatusLength = 8;

// The 8-character ready status found in the device-ID text held in `buffer`. The text
// ends at the first NUL or after `size` bytes, whichever comes first. An "EXTSTS:"
// value replaces the preset "11111111" from its first character; a shorter value leaves
// the rest of the preset, and only the first 8 characters of a longer value are used.
std::string ReadyStatus(const char* buffer, std::size_t size);

// True when the first 8 characters of `status`, read by leading digits as atoi does,
// give 0.
bool IsReadyStatus(const std::string& status);

bool IsPrinterReady(const char* buffer, std::size_t size);

// Offset of the device-ID text in `buffer`: 2 when the buffer starts with the 2-byte
// big-endian length some IEEE 1284 port drivers put in front of the text (a first byte
// below 0x20, and no item of the text read from byte 0 starts with a known key), else 0.
std::size_t DeviceIdTextOffset(const char* buffer, std::size_t size);

} // namespace printer
