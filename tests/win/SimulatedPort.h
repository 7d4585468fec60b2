#pragma once
// A simulated "Varo Corvane K42" on the parallel port for the in-process tests. It
// answers the device-ID query and the settings request as scripted, can refuse or fail
// each step, and records what the read-back did to it.
#include "printer/ParallelPort.h"

#include <string>
#include <vector>

namespace wintest {

class SimulatedPort : public printer::ParallelPort {
public:
    // Script: by default a ready printer that answers with a 132-byte reply of zeros.
    int refusedOpens = 0; // the first this many opens fail (3 or more: never)
    // The time-out read or set of this number (counted from 1; 0: none) fails with
    // `error`. The ready check reads once and sets twice (its values, then the saved
    // ones); the exchange's own read is number 2 and its first set number 3.
    int failGetTimeoutsAt = 0;
    int failSetTimeoutsAt = 0;
    unsigned long error = 0; // the error number of a scripted failure
    bool deviceIdFails = false;
    std::string deviceId = "MFG:VARO;MDL:K42;CMD:ESC/P;STATUS:OK;EXTSTS:00000000;";
    std::size_t acceptedRequestBytes = 5; // fewer makes the request short
    bool readFails = false;
    std::vector<unsigned char> reply = std::vector<unsigned char>(132, 0);

    // Record.
    int opens = 0;
    int closes = 0;
    bool isOpen = false;
    std::vector<unsigned char> written;             // every byte written
    std::vector<printer::PortTimeouts> timeoutsSet; // every successful set, in order
    printer::PortTimeouts timeouts{1, 2, 3};        // the port's current time-outs

    // A 132-byte reply whose byte i is `fill(i)`.
    template <typename Fill> void SetReply(Fill fill) {
        for (std::size_t i = 0; i < reply.size(); ++i)
            reply[i] = fill(i);
    }

    bool Open() override;
    bool GetTimeouts(printer::PortTimeouts& value) override;
    bool SetTimeouts(const printer::PortTimeouts& value) override;
    bool QueryDeviceId(printer::DeviceIdBuffer& buffer) override;
    std::size_t Write(const unsigned char* data, std::size_t size) override;
    bool Read(unsigned char* buffer, std::size_t capacity, std::size_t& received) override;
    void Close() override;
    unsigned long LastError() const override { return lastError; }

private:
    bool Fail();
    unsigned long lastError = 0;
    int gets = 0;
    int sets = 0;
};

// Plugs `port` into every read-back (printer::ReadBackFromPrinter) while it lives, with
// no real waits between open attempts; the Win32 port comes back afterwards.
class PluggedPort {
public:
    explicit PluggedPort(SimulatedPort& port);
    ~PluggedPort();
    PluggedPort(const PluggedPort&) = delete;
    PluggedPort& operator=(const PluggedPort&) = delete;

    std::vector<unsigned> waits; // the waits asked for, in milliseconds
};

} // namespace wintest
