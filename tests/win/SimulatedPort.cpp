#include "tests/win/SimulatedPort.h"

#include "printer/win32/Win32ParallelPort.h"

#include <algorithm>
#include <memory>

namespace wintest {
namespace {

// The port object handed to the read-back: forwards to a test-owned SimulatedPort,
// which outlives it and keeps the record.
class PortRef : public printer::ParallelPort {
public:
    explicit PortRef(SimulatedPort& port) : port(port) {}
    bool Open() override { return port.Open(); }
    bool GetTimeouts(printer::PortTimeouts& value) override { return port.GetTimeouts(value); }
    bool SetTimeouts(const printer::PortTimeouts& value) override {
        return port.SetTimeouts(value);
    }
    bool QueryDeviceId(printer::DeviceIdBuffer& buffer) override {
        return port.QueryDeviceId(buffer);
    }
    std::size_t Write(const unsigned char* data, std::size_t size) override {
        return port.Write(data, size);
    }
    bool Read(unsigned char* buffer, std::size_t capacity, std::size_t& received) override {
        return port.Read(buffer, capacity, received);
    }
    void Close() override { port.Close(); }
    unsigned long LastError() const override { return port.LastError(); }

private:
    SimulatedPort& port;
};

} // namespace

bool SimulatedPort::Fail() {
    lastError = error;
    return false;
}

bool SimulatedPort::Open() {
    ++opens;
    isOpen = opens > refusedOpens;
    return isOpen;
}

bool SimulatedPort::GetTimeouts(printer::PortTimeouts& value) {
    if (++gets == failGetTimeoutsAt) return Fail();
    value = timeouts;
    return true;
}

bool SimulatedPort::SetTimeouts(const printer::PortTimeouts& value) {
    if (++sets == failSetTimeoutsAt) return Fail();
    timeoutsSet.push_back(value);
    timeouts = value;
    return true;
}

bool SimulatedPort::QueryDeviceId(printer::DeviceIdBuffer& buffer) {
    if (deviceIdFails) return Fail();
    std::fill(buffer.begin(), buffer.end(), '\0');
    deviceId.copy(buffer.data(), buffer.size());
    return true;
}

std::size_t SimulatedPort::Write(const unsigned char* data, std::size_t size) {
    std::size_t accepted = std::min(size, acceptedRequestBytes);
    written.insert(written.end(), data, data + accepted);
    return accepted;
}

bool SimulatedPort::Read(unsigned char* buffer, std::size_t capacity, std::size_t& received) {
    received = 0;
    if (readFails) return Fail();
    received = std::min(capacity, reply.size());
    std::copy(reply.begin(), reply.begin() + received, buffer);
    return true;
}

void SimulatedPort::Close() {
    ++closes;
    isOpen = false;
}

PluggedPort::PluggedPort(SimulatedPort& port) {
    printer::SetPortFactory(
        [&port] { return std::unique_ptr<printer::ParallelPort>(new PortRef(port)); },
        [this](unsigned milliseconds) { waits.push_back(milliseconds); });
}

PluggedPort::~PluggedPort() {
    printer::SetPortFactory({});
}

} // namespace wintest
