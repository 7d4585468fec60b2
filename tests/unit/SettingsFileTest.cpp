#include "settings/FactoryBlock.h"
#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace settings;

namespace {

std::vector<unsigned char> Encoded(const SettingsBlock& block) {
    auto file = EncodeSettingsFile(block);
    return std::vector<unsigned char>(file.begin(), file.end());
}

SettingsBlock Marked() {
    SettingsBlock block;
    block.bytes.fill(0x33);
    return block;
}

} // namespace

TEST(SettingsFile, EncodesHeaderAndBlock) {
    SettingsBlock block = FactoryBlock;
    block.At(field::reserved_26) = 0x7F;
    std::vector<unsigned char> file = Encoded(block);
    ASSERT_EQ(290u, file.size());
    EXPECT_EQ(0, std::memcmp(file.data(), "Corvane K42\n\0\0\0\0\0\0\0\0", 20));
    EXPECT_TRUE(std::equal(block.bytes.begin(), block.bytes.end(), file.begin() + 20));

    SettingsBlock read = Marked();
    EXPECT_TRUE(DecodeSettingsFile(file.data(), file.size(), read));
    EXPECT_EQ(block, read);
}

TEST(SettingsFile, LongerFileReadsOnlyFirst290Bytes) {
    std::vector<unsigned char> file = Encoded(FactoryBlock);
    file.insert(file.end(), 50, 0xEE);
    SettingsBlock read = Marked();
    EXPECT_TRUE(DecodeSettingsFile(file.data(), file.size(), read));
    EXPECT_EQ(FactoryBlock, read);
}

TEST(SettingsFile, RefusesForeignShortAndEmptyFiles) {
    const std::vector<unsigned char> good = Encoded(FactoryBlock);
    auto refused = [](const std::vector<unsigned char>& file) {
        SettingsBlock block = Marked();
        bool ok = DecodeSettingsFile(file.data(), file.size(), block);
        EXPECT_EQ(Marked(), block); // untouched
        return !ok;
    };
    std::vector<unsigned char> unterminated = good;
    std::memcpy(unterminated.data() + 12, "more text", 9);
    EXPECT_TRUE(refused(unterminated));
    std::vector<unsigned char> foreign = good;
    foreign[0] = 'c';
    EXPECT_TRUE(refused(foreign));
    std::vector<unsigned char> noNewline = good;
    noNewline[11] = 0;
    EXPECT_TRUE(refused(noNewline));
    EXPECT_TRUE(refused(std::vector<unsigned char>(good.begin(), good.end() - 1)));
    EXPECT_TRUE(refused(std::vector<unsigned char>(good.begin(), good.begin() + 20)));
    EXPECT_TRUE(refused({}));

    std::vector<unsigned char> trailingText = good; // after the 0x00 anything may follow
    std::memcpy(trailingText.data() + 13, "junk", 4);
    SettingsBlock block = Marked();
    EXPECT_TRUE(DecodeSettingsFile(trailingText.data(), trailingText.size(), block));
    EXPECT_FALSE(DecodeSettingsFile(nullptr, 0, block));
}
