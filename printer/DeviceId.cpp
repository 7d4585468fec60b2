#include "printer/DeviceId.h"

#include <cstdlib>
#include <cstring>
#include <string_view>

namespace printer {
namespace {

constexpr std::string_view kStatusKey = "EXTSTS:";

// The device-ID text: up to the first NUL, never beyond the buffer.
std::string_view DeviceIdText(const char* buffer, std::size_t size) {
    if (buffer == nullptr || size == 0) return {};
    const void* end = std::memchr(buffer, '\0', size);
    return {buffer, end ? static_cast<std::size_t>(static_cast<const char*>(end) - buffer) : size};
}

// Lays the value that starts `item` (up to ";" or the end) over `status`.
void CopyStatusValue(std::string_view item, std::string& status) {
    std::string_view value = item.substr(0, item.find(';'));
    value = value.substr(0, kReadyStatusLength);
    status.replace(0, value.size(), value);
}

// Calls `visit` with the text from the start of each item: the walk moves past the next
// ";" and stops when there is none or when it ends the text.
template <typename Visit> void ForEachItem(std::string_view text, Visit visit) {
    for (std::size_t pos = 0;;) {
        std::string_view item = text.substr(pos);
        visit(item);
        std::size_t separator = item.find(';');
        if (separator == std::string_view::npos) break;
        pos += separator + 1;
        if (pos >= text.size()) break;
    }
}

constexpr std::string_view kKnownKeys[] = {"MFG:", "MDL:", "CMD:", "STATUS:", kStatusKey};

bool StartsWithKnownKey(std::string_view item) {
    for (std::string_view key : kKnownKeys)
        if (item.substr(0, key.size()) == key) return true;
    return false;
}

} // namespace

std::string ReadyStatus(const char* buffer, std::size_t size) {
    std::string status(kReadyStatusLength, '1');
    // Keys are only compared at the start of an item; "MFG:", "MDL:", "CMD:" and
    // "STATUS:" values are skipped like any other item's.
    ForEachItem(DeviceIdText(buffer, size), [&status](std::string_view item) {
        if (item.substr(0, kStatusKey.size()) == kStatusKey)
            CopyStatusValue(item.substr(kStatusKey.size()), status);
    });
    return status;
}

bool IsReadyStatus(const std::string& status) {
    // Eight characters at most: atoi cannot overflow on them.
    return std::atoi(status.substr(0, kReadyStatusLength).c_str()) == 0;
}

bool IsPrinterReady(const char* buffer, std::size_t size) {
    return IsReadyStatus(ReadyStatus(buffer, size));
}

std::size_t DeviceIdTextOffset(const char* buffer, std::size_t size) {
    constexpr std::size_t kPrefixSize = 2;
    if (buffer == nullptr || size <= kPrefixSize || static_cast<unsigned char>(buffer[0]) >= 0x20)
        return 0;
    bool keyed = false;
    ForEachItem(DeviceIdText(buffer, size),
                [&keyed](std::string_view item) { keyed = keyed || StartsWithKnownKey(item); });
    return keyed ? 0 : kPrefixSize;
}

} // namespace printer
