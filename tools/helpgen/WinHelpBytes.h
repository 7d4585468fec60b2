#pragma once
// The little-endian numbers of the .hlp file's records, shared by its parts.
#include <cstdint>
#include <string>

namespace helpgen::winhelp {

// "None" in every 32-bit position and link field of the .hlp file.
inline const std::uint32_t kNone = 0xFFFFFFFF;

inline void Put8(std::string& out, unsigned value) {
    out += static_cast<char>(value & 0xFF);
}
inline void Put16(std::string& out, unsigned value) {
    Put8(out, value);
    Put8(out, value >> 8);
}
inline void Put32(std::string& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}
inline void Patch32(std::string& out, std::size_t at, std::uint32_t value) {
    std::string bytes;
    Put32(bytes, value);
    out.replace(at, 4, bytes);
}

inline std::string Key32(std::uint32_t value) {
    std::string key;
    Put32(key, value);
    return key;
}

} // namespace helpgen::winhelp
