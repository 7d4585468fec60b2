#include "settings/FactoryBlock.h"

namespace settings {
namespace {

// Factory bytes in block order; string pieces keep each hex escape apart from the next
// character.
constexpr char kFactoryBytes[] = "\x1C"
                                 "o0,"
                                 "\x00\x00,"   // msw1
                                 "\x02\x00,"   // msw2: paper-out detection always
                                 "\x00\x00,"   // msw3
                                 "\x0C\x00,"   // msw4: TOF plus fixed length, bidirectional
                                 "0,0,0,0,0,"  // fonts, kanji table, quiet, postcard
                                 "\x00"        // reserved 26
                                 ",40,36,096," // head centring
                                 "66,120,120,046,046,054,00,00,"
                                 "\x00" // reserved 67
                                 ",0,0,00,00,00,0,0,"
                                 "66,000,136,120,120,046,046,054,00,00,"
                                 "\x00" // reserved 123
                                 ",66,000,136,120,120,046,046,054,00,00,"
                                 "\x00" // reserved 162
                                 ",66,000,136,120,120,046,046,054,00,00,"
                                 "\x00" // reserved 201
                                 ",66,000,136,120,120,046,046,054,00,00,"
                                 "\x00" // reserved 240
                                 ",15,02,02,00,00,00,00."
                                 "\x00\x00\x00\x00\x00\x00\x00";

static_assert(sizeof kFactoryBytes == kBlockSize + 1, "factory block size");

constexpr SettingsBlock MakeFactoryBlock() {
    SettingsBlock block;
    for (std::size_t i = 0; i < kBlockSize; ++i)
        block.bytes[i] = static_cast<unsigned char>(kFactoryBytes[i]);
    return block;
}

} // namespace

constexpr SettingsBlock FactoryBlock = MakeFactoryBlock();

} // namespace settings
