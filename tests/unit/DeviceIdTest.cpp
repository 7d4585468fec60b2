#include "printer/DeviceId.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string Status(const std::string& id) {
    return printer::ReadyStatus(id.data(), id.size());
}

bool Ready(const std::string& id) {
    return printer::IsPrinterReady(id.data(), id.size());
}

} // namespace

TEST(DeviceId, StatusFromExtsts) {
    EXPECT_TRUE(Ready("MFG:VARO;MDL:K42;CMD:ESC;STATUS:x;EXTSTS:00000000;"));
    EXPECT_EQ("00111111", Status("MFG:VARO;EXTSTS:00;"));
    EXPECT_FALSE(Ready("MFG:VARO;EXTSTS:00;"));
    EXPECT_FALSE(Ready("MFG:VARO;MDL:K42;STATUS:00000000;"));
    EXPECT_FALSE(Ready(""));
    EXPECT_EQ("11111111", Status("EXTSTS:;"));
    // The value may end the text without ";"; the walk stops after a final ";".
    EXPECT_TRUE(Ready("MDL:K42;EXTSTS:00000000"));
    // Keys count only at the start of an item.
    EXPECT_FALSE(Ready("MDL:EXTSTS:00000000;"));
    EXPECT_FALSE(Ready("MDL:K42; EXTSTS:00000000;"));
    // Readiness reads leading digits only.
    EXPECT_TRUE(Ready("EXTSTS:0000000A;"));
    EXPECT_FALSE(Ready("EXTSTS:00000010;"));
    // A status that is no number reads as 0, as atoi reads it: ready. "BUSY" covers
    // four characters of the preset, "BUSY1111" has no leading digit.
    EXPECT_EQ("BUSY1111", Status("MFG:VARO;EXTSTS:BUSY;"));
    EXPECT_TRUE(Ready("MFG:VARO;EXTSTS:BUSY;"));
    EXPECT_FALSE(Ready("EXTSTS:1BUSY;"));
}

TEST(DeviceId, LongValueUsesItsFirstEightCharacters) {
    EXPECT_EQ("00000001", Status("EXTSTS:000000012345678901234567890;MDL:K42;"));
    EXPECT_TRUE(Ready("EXTSTS:000000009;"));
    EXPECT_FALSE(printer::IsReadyStatus("1"));
    EXPECT_TRUE(printer::IsReadyStatus("00000000999999999999"));
}

TEST(DeviceId, TextIsBoundedByNulAndBufferSize) {
    // No NUL anywhere: the last value runs to the end of the buffer and stops there.
    char buffer[printer::kDeviceIdBufferSize];
    std::memset(buffer, 'x', sizeof buffer);
    const char tail[] = ";EXTSTS:00000000";
    std::memcpy(buffer + sizeof buffer - (sizeof tail - 1), tail, sizeof tail - 1);
    EXPECT_TRUE(printer::IsPrinterReady(buffer, sizeof buffer));
    EXPECT_EQ("00000001", printer::ReadyStatus(buffer, sizeof buffer - 1));

    std::string cut("EXTSTS:00000000;\0EXTSTS:1;", 26);
    EXPECT_TRUE(Ready(cut));
}

// An IEEE 1284 length prefix (high byte 0 for any ID shorter than 256 bytes) ends the
// text before its first item.
TEST(DeviceId, LengthPrefixHidesTheItems) {
    std::string id("\0\x1F"
                   "EXTSTS:00000000;",
                   18);
    EXPECT_EQ("11111111", Status(id));
}
