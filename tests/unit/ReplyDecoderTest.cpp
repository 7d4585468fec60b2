#include "printer/ReplyDecoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr unsigned char kUntouched = 0xEE;

struct Decoded {
    settings::SettingsBlock settings;
    std::string Text(std::size_t offset, std::size_t length) const {
        return std::string(reinterpret_cast<const char*>(settings.bytes.data()) + offset, length);
    }
};

Decoded Decode(const unsigned char (&reply)[printer::kReplySize]) {
    Decoded result;
    result.settings.bytes.fill(kUntouched);
    EXPECT_TRUE(printer::DecodeReply(reply, sizeof reply, result.settings));
    return result;
}

} // namespace

TEST(ReplyDecoder, RequestBytes) {
    const unsigned char expected[] = {0x1C, 'o', '3', '.', 0x00};
    ASSERT_EQ(sizeof expected, printer::kSettingsRequestSize);
    for (std::size_t i = 0; i < sizeof expected; ++i)
        EXPECT_EQ(expected[i], printer::kSettingsRequest[i]);
}

// Every reply byte small, so no written character can equal the marker.
TEST(ReplyDecoder, WritesOnlyFieldCharacters) {
    unsigned char reply[printer::kReplySize];
    for (std::size_t i = 0; i < sizeof reply; ++i)
        reply[i] = static_cast<unsigned char>(i % 7);
    Decoded d = Decode(reply);

    std::size_t written = 0;
    for (unsigned char b : d.settings.bytes)
        written += b != kUntouched;
    EXPECT_EQ(172u, written);
    for (std::size_t kept :
         {0u, 3u, 6u, 26u, 27u, 37u, 67u, 123u, 162u, 201u, 240u, 245u, 262u, 269u})
        EXPECT_EQ(kUntouched, d.settings.bytes[kept]) << "offset " << kept;
}

TEST(ReplyDecoder, BitFieldsAndCharacters) {
    unsigned char reply[printer::kReplySize] = {};
    reply[2] = 5;    // reduction
    reply[4] = 0xA5; // msw1
    reply[7] = 0x3C; // msw4
    reply[20] = 0x42;
    reply[21] = 0xC2;
    reply[31] = 4; // sheet-guide load time
    Decoded d = Decode(reply);

    EXPECT_EQ('5', d.settings.bytes[71]);
    EXPECT_EQ(0x05, d.settings.bytes[4]);
    EXPECT_EQ(0x0A, d.settings.bytes[5]);
    EXPECT_EQ(0x0C, d.settings.bytes[13]);
    EXPECT_EQ(0x03, d.settings.bytes[14]);
    EXPECT_EQ('2', d.settings.bytes[16]); // font1: low nibble
    EXPECT_EQ('4', d.settings.bytes[18]); // font2: high nibble
    EXPECT_EQ("2", d.Text(20, 1));
    EXPECT_EQ("1", d.Text(22, 1));
    EXPECT_EQ("1", d.Text(24, 1));
    EXPECT_EQ('4', d.settings.bytes[246]);
    EXPECT_EQ(kUntouched, d.settings.bytes[245]);

    reply[21] = 0x3D; // bits 6 and 7 clear, bits 2-5 ignored
    d = Decode(reply);
    EXPECT_EQ('1', d.settings.bytes[20]);
    EXPECT_EQ('0', d.settings.bytes[22]);
    EXPECT_EQ('0', d.settings.bytes[24]);
}

// Each reply byte of its own field, with a value no other row uses, lands in that field.
TEST(ReplyDecoder, EveryByteGoesToItsField) {
    const struct {
        std::size_t replyByte;
        unsigned char value;
        std::size_t offset;
        std::string text;
    } rows[] = {
        {2, 5, 71, "5"},           {3, 1, 69, "1"},           {5, 0x21, 7, "\x01\x02"},
        {6, 0x43, 10, "\x03\x04"}, {19, 15, 242, "15"},       {23, 36, 31, "36"},
        {24, 120, 34, "120"},      {25, 66, 38, "66"},        {29, 63, 38 + 19, "054"},
        {30, 12, 38 + 23, "12"},   {32, 34, 38 + 26, "34"},   {33, 55, 38 + 15, "046"},
        {34, 7, 248, "07"},        {54, 0x05, 251, "05"},     {55, 0xFB, 254, "FB"},
        {60, 11, 73, "11"},        {61, 0xFA, 76, "FA"},      {63, 0xFD, 79, "FD"},
        {65, 0xFE, 257, "FE"},     {66, 0x03, 260, "03"},     {67, 2, 82, "2"},
        {68, 4, 84, "4"},
    };
    unsigned char reply[printer::kReplySize] = {};
    for (const auto& row : rows)
        reply[row.replyByte] = row.value;
    Decoded d = Decode(reply);
    for (const auto& row : rows)
        EXPECT_EQ(row.text, d.Text(row.offset, row.text.size())) << "reply byte " << row.replyByte;
}

TEST(ReplyDecoder, NumbersAreCutToTheirWidth) {
    unsigned char reply[printer::kReplySize] = {};
    reply[19] = 8;
    reply[22] = 0xA8; // bit 7 ignored: 40
    reply[23] = 200;  // "200" cut to "20"
    reply[24] = 96;
    reply[26] = 129; // load positions: minus 9
    reply[27] = 5;   // -4
    reply[28] = 0;   // -9
    reply[55] = 0xFB;
    reply[63] = 0x03;
    Decoded d = Decode(reply);

    EXPECT_EQ("08", d.Text(242, 2));
    EXPECT_EQ("40", d.Text(28, 2));
    EXPECT_EQ("20", d.Text(31, 2));
    EXPECT_EQ("096", d.Text(34, 3));
    EXPECT_EQ("120", d.Text(38 + 3, 3));
    EXPECT_EQ("-04", d.Text(38 + 7, 3));
    EXPECT_EQ("-09", d.Text(38 + 11, 3));
    EXPECT_EQ("FB", d.Text(254, 2));
    EXPECT_EQ("03", d.Text(79, 2));
}

// The short record takes the sheet-feeder position from byte 33 and the adjustments from
// bytes 30 and 32; the groups carry the sheet feeder after the adjustments.
TEST(ReplyDecoder, FormatRecordsPlaceEveryValue) {
    unsigned char reply[printer::kReplySize] = {};
    const unsigned char group[11] = {66, 0, 136, 129, 120, 55, 63, 12, 34, 64, 99};
    for (std::size_t i = 0; i < 11; ++i)
        reply[91 + i] = group[i]; // format3
    reply[25] = 70;
    reply[29] = 63;
    reply[30] = 1;
    reply[32] = 2;
    reply[33] = 64;
    Decoded d = Decode(reply);

    std::string format0 = d.Text(38, 29);
    EXPECT_EQ("70", format0.substr(0, 2));
    EXPECT_EQ("055", format0.substr(15, 3)); // sheet feeder
    EXPECT_EQ("054", format0.substr(19, 3)); // postcard
    EXPECT_EQ("01", format0.substr(23, 2));
    EXPECT_EQ("02", format0.substr(26, 2));

    std::string format3 = d.Text(164, 37);
    for (std::size_t sep : {2u, 6u, 10u, 14u, 18u, 22u, 26u, 30u, 33u, 36u})
        format3[sep] = ',';
    EXPECT_EQ("66,000,136,120,111,046,055,054,12,34,", format3);
}

// A reply of any length but 132 bytes is refused and the block keeps every byte; the
// 132-byte buffers of the wrong-length cases hold values that would change the block.
TEST(ReplyDecoder, OnlyA132ByteReplyIsDecoded) {
    std::vector<unsigned char> reply(260, 7);
    settings::SettingsBlock block;
    block.bytes.fill(kUntouched);
    const settings::SettingsBlock before = block;
    for (std::size_t size : {std::size_t(0), std::size_t(1), std::size_t(112), std::size_t(131),
                             std::size_t(133), std::size_t(260)}) {
        EXPECT_FALSE(printer::DecodeReply(reply.data(), size, block)) << size;
        EXPECT_EQ(before, block) << size;
    }
    EXPECT_FALSE(printer::DecodeReply(nullptr, 132, block));
    EXPECT_TRUE(printer::DecodeReply(reply.data(), 132, block));
    EXPECT_NE(before, block);
}
