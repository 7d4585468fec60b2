// The device-ID ready check on buffers of any content and length, read only within the
// given size; the status walk is compared with a reading written from the item rules.
#include "tests/fuzz/engine/Fuzz.h"

#include "printer/DeviceId.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The walk as the items are described: at the start of each item look for "EXTSTS:",
// lay its value (up to ";", at most 8 characters) over "11111111", move past the next
// ";", stop at the end of the text.
std::string ExpectedStatus(const std::string& text) {
    std::string status = "11111111";
    std::size_t pos = 0;
    for (;;) {
        if (text.compare(pos, 7, "EXTSTS:") == 0) {
            std::size_t end = text.find(';', pos + 7);
            std::string value =
                text.substr(pos + 7, end == std::string::npos ? std::string::npos : end - pos - 7);
            for (std::size_t i = 0; i < value.size() && i < 8; ++i)
                status[i] = value[i];
        }
        std::size_t next = text.find(';', pos);
        if (next == std::string::npos || next + 1 >= text.size()) break;
        pos = next + 1;
    }
    return status;
}

} // namespace

const std::size_t fuzz::kMaxInputSize = 400;

void fuzz::FuzzOne(const std::uint8_t* data, std::size_t size) {
    const char* buffer = reinterpret_cast<const char*>(data);
    std::string status = printer::ReadyStatus(buffer, size);
    FUZZ_CHECK(status.size() == printer::kReadyStatusLength);

    const void* nul = std::memchr(buffer, 0, size);
    std::string text(buffer, nul ? static_cast<const char*>(nul) - buffer : size);
    FUZZ_CHECK(status == ExpectedStatus(text));

    bool ready = printer::IsPrinterReady(buffer, size);
    FUZZ_CHECK(ready == (std::atoi(status.c_str()) == 0));
    FUZZ_CHECK(ready == printer::IsReadyStatus(status));

    std::size_t offset = printer::DeviceIdTextOffset(buffer, size);
    FUZZ_CHECK(offset == 0 || (offset == 2 && size > 2));
    printer::IsPrinterReady(buffer + offset, size - offset);
}
