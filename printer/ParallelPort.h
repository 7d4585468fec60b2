#pragma once
// The parallel port "LPT1:" as the read-back uses it. The Win32 implementation talks to
// the port driver; tests plug in a simulated printer.
#include <array>
#include <cstddef>
#include <cstdint>

#include "printer/DeviceId.h"

namespace printer {

// The three port time-outs the read-back changes, in milliseconds. The port's other
// time-out members keep the values it last read.
struct PortTimeouts {
    std::uint32_t readInterval = 0;
    std::uint32_t readTotalConstant = 0;
    std::uint32_t writeTotalConstant = 0;
};

inline bool operator==(const PortTimeouts& a, const PortTimeouts& b) {
    return a.readInterval == b.readInterval && a.readTotalConstant == b.readTotalConstant &&
           a.writeTotalConstant == b.writeTotalConstant;
}

using DeviceIdBuffer = std::array<char, kDeviceIdBufferSize>;

class ParallelPort {
public:
    virtual ~ParallelPort() = default;
    // One attempt to open "LPT1:" for reading and writing.
    virtual bool Open() = 0;
    virtual bool GetTimeouts(PortTimeouts& timeouts) = 0;
    virtual bool SetTimeouts(const PortTimeouts& timeouts) = 0;
    // The IEEE 1284 device ID as the port driver returns it, into a cleared buffer.
    virtual bool QueryDeviceId(DeviceIdBuffer& buffer) = 0;
    // Bytes written; 0 when the write failed.
    virtual std::size_t Write(const unsigned char* data, std::size_t size) = 0;
    // Reads up to `capacity` bytes; `received` is how many arrived.
    virtual bool Read(unsigned char* buffer, std::size_t capacity, std::size_t& received) = 0;
    virtual void Close() = 0;
    // The error number of the last failed call.
    virtual unsigned long LastError() const = 0;
};

} // namespace printer
