// Settings files of any length and content: a file is accepted only with the exact
// header and at least 290 bytes, a refused file leaves the block as it was, an accepted
// one yields its 270 bytes, and writing a block and reading it back gives that block.
#include "tests/fuzz/engine/Fuzz.h"

#include "settings/SettingsFile.h"

#include <cstring>

const std::size_t fuzz::kMaxInputSize = 700;

void fuzz::FuzzOne(const std::uint8_t* data, std::size_t size) {
    settings::SettingsBlock block;
    block.bytes.fill(0xC3);
    const settings::SettingsBlock before = block;
    bool accepted = settings::DecodeSettingsFile(data, size, block);

    bool header = size >= 20 && std::memchr(data, 0, 20) != nullptr &&
                  std::strcmp(reinterpret_cast<const char*>(data), "Corvane K42\n") == 0;
    FUZZ_CHECK(accepted == (header && size >= 290));
    if (!accepted) {
        FUZZ_CHECK(block == before);
        return;
    }
    FUZZ_CHECK(std::memcmp(block.bytes.data(), data + 20, 270) == 0);

    auto file = settings::EncodeSettingsFile(block);
    FUZZ_CHECK(std::memcmp(file.data(), "Corvane K42\n\0\0\0\0\0\0\0\0", 20) == 0);
    settings::SettingsBlock again;
    FUZZ_CHECK(settings::DecodeSettingsFile(file.data(), file.size(), again));
    FUZZ_CHECK(again == block);
}
