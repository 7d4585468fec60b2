#pragma once
// "LPT1:" through the Windows 9x parallel-port driver, and the process-wide choice of
// the port object the read-back uses (tests plug in a simulated printer).
#include <functional>
#include <memory>

#include "printer/ParallelPort.h"
#include "printer/ReadBack.h"

namespace printer {

class Win32ParallelPort : public ParallelPort {
public:
    Win32ParallelPort();
    ~Win32ParallelPort() override;
    Win32ParallelPort(const Win32ParallelPort&) = delete;
    Win32ParallelPort& operator=(const Win32ParallelPort&) = delete;

    bool Open() override;
    bool GetTimeouts(PortTimeouts& timeouts) override;
    bool SetTimeouts(const PortTimeouts& timeouts) override;
    bool QueryDeviceId(DeviceIdBuffer& buffer) override;
    std::size_t Write(const unsigned char* data, std::size_t size) override;
    bool Read(unsigned char* buffer, std::size_t capacity, std::size_t& received) override;
    void Close() override;
    unsigned long LastError() const override;

private:
    struct State;
    std::unique_ptr<State> state;
};

using PortFactory = std::function<std::unique_ptr<ParallelPort>()>;

// Replaces the port object and the wait between open attempts for every later
// read-back; empty arguments restore the Win32 port and Sleep.
void SetPortFactory(PortFactory factory, Sleeper sleeper = {});

// A new, closed port object from the current factory.
std::unique_ptr<ParallelPort> OpenPortObject();

// The read-back exchange on a new port object.
ReadBackResult ReadBackFromPrinter();

} // namespace printer
