// The read-back reply decoder on replies of any length and content, into blocks of any
// content: only a 132-byte reply changes the block, and then only field characters, the
// same ones whatever the block held before.
#include "tests/fuzz/engine/BlockLayout.h"
#include "tests/fuzz/engine/Fuzz.h"

#include "printer/ReplyDecoder.h"
#include "settings/SettingsBlock.h"

#include <cstring>

namespace {
using fuzz::IsFieldCharacter;
using settings::SettingsBlock;
} // namespace

const std::size_t fuzz::kMaxInputSize = 600;

void fuzz::FuzzOne(const std::uint8_t* data, std::size_t size) {
    // The first 270 bytes (or fewer) are the block before the read-back; the rest is the
    // reply, of whatever length arrived.
    std::size_t blockBytes = size < settings::kBlockSize ? size : settings::kBlockSize;
    SettingsBlock block;
    block.bytes.fill(0xA5);
    std::memcpy(block.bytes.data(), data, blockBytes);
    const SettingsBlock before = block;

    std::size_t replySize = size - blockBytes;
    auto* reply = new std::uint8_t[replySize == 0 ? 1 : replySize];
    std::memcpy(reply, data + blockBytes, replySize);
    bool decoded = printer::DecodeReply(replySize ? reply : nullptr, replySize, block);
    FUZZ_CHECK(decoded == (replySize == printer::kReplySize));
    if (!decoded) {
        FUZZ_CHECK(block == before);
    } else {
        for (std::size_t i = 0; i < settings::kBlockSize; ++i)
            if (!IsFieldCharacter(i)) FUZZ_CHECK(block.bytes[i] == before.bytes[i]);
        // The fields depend on the reply alone.
        SettingsBlock other;
        other.bytes.fill(0x5A);
        FUZZ_CHECK(printer::DecodeReply(reply, replySize, other));
        for (std::size_t i = 0; i < settings::kBlockSize; ++i)
            if (IsFieldCharacter(i)) FUZZ_CHECK(block.bytes[i] == other.bytes[i]);
    }
    delete[] reply;
}
