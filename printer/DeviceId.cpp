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

} // namespace

std::string ReadyStatus(const char* buffer, std::size_t size) {
    std::string status(kReadyStatusLength, '1');
    std::string_view text = DeviceIdText(buffer, size);
    // Keys are only compared at the start of an item; "MFG:", "MDL:", "CMD:" and
    // "STATUS:" values are skipped like any other item's.
    for (std::size_t pos = 0;;) {
        std::string_view item = text.substr(pos);
        if (item.substr(0, kStatusKey.size()) == kStatusKey)
            CopyStatusValue(item.substr(kStatusKey.size()), status);
        std::size_t separator = item.find(';');
        if (separator == std::string_view::npos) break;
        pos += separator + 1;
        if (pos >= text.size()) break;
    }
    return status;
}

bool IsReadyStatus(const std::string& status) {
    // Eight characters at most: atoi cannot overflow on them.
    return std::atoi(status.substr(0, kReadyStatusLength).c_str()) == 0;
}

bool IsPrinterReady(const char* buffer, std::size_t size) {
    return IsReadyStatus(ReadyStatus(buffer, size));
}

} // namespace printer
