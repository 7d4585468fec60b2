#pragma once
// What a fuzz target provides and may use. A target is one executable: it defines
// FuzzOne (one execution on one input) and kMaxInputSize; the engine (Engine.cpp)
// mutates inputs, keeps those that reach new code and reports what failed.
#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// Runs the code under test on `data` (exactly `size` bytes, a heap copy of its own, so
// a read past the end is caught). A broken property calls Fail through FUZZ_CHECK.
void FuzzOne(const std::uint8_t* data, std::size_t size);
extern const std::size_t kMaxInputSize;

[[noreturn]] void Fail(const char* file, int line, const char* condition);

// Splits an input into the values a target needs; reads past the end give zeros.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data(data), size(size) {}

    std::uint8_t Byte() { return offset < size ? data[offset++] : 0; }
    bool Bool() { return Byte() & 1; }
    std::uint32_t U32() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value = value << 8 | Byte();
        return value;
    }
    std::uint64_t U64() { return std::uint64_t(U32()) << 32 | U32(); }
    // A value in [low, high].
    int Range(int low, int high) {
        std::uint32_t span = static_cast<std::uint32_t>(high - low) + 1;
        return low + static_cast<int>(span == 0 ? U32() : U32() % span);
    }
    // A text up to a 0x00 byte (not included) or the end of the input.
    std::string Text() {
        std::string text;
        while (offset < size && data[offset] != 0)
            text += static_cast<char>(data[offset++]);
        if (offset < size) ++offset;
        return text;
    }
    std::string Rest() {
        std::string rest(reinterpret_cast<const char*>(data) + offset, size - offset);
        offset = size;
        return rest;
    }
    std::size_t Remaining() const { return size - offset; }

private:
    const std::uint8_t* data;
    std::size_t size;
    std::size_t offset = 0;
};

} // namespace fuzz

#define FUZZ_CHECK(condition) ((condition) ? (void)0 : ::fuzz::Fail(__FILE__, __LINE__, #condition))
