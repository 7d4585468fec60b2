#pragma once
// The read-back exchange over the parallel port: open, ready check on the device ID,
// port time-outs, the settings request and the reply. It shows nothing; the caller maps
// the outcome to its messages and decodes a reply of exactly kReplySize bytes.
#include <cstddef>
#include <functional>
#include <vector>

#include "printer/ParallelPort.h"

namespace printer {

// Time-outs while the port is in use.
constexpr PortTimeouts kExchangeTimeouts{200, 10000, 30000};
constexpr int kOpenAttempts = 3;
constexpr unsigned kOpenRetryDelayMs = 1000;
constexpr std::size_t kReplyBufferSize = 260;

enum class ReadBackOutcome {
    NotReady,          // port not opened, device ID not read, or status not ready
    TimeoutsNotRead,   // error holds the error number
    TimeoutsNotSet,    // error holds the error number
    RequestNotWritten, // fewer than all request bytes written
    ReadFailed,
    Received, // reply holds the bytes read, whatever their number
};

struct ReadBackResult {
    ReadBackOutcome outcome = ReadBackOutcome::NotReady;
    unsigned long error = 0;
    std::vector<unsigned char> reply;
};

// Waits the given number of milliseconds.
using Sleeper = std::function<void(unsigned milliseconds)>;

// The ready check on an open port: time-outs saved, set and put back around the
// device-ID query; ready when the "EXTSTS:" status reads as 0.
bool QueryPrinterReady(ParallelPort& port);

// The whole exchange on a closed port, which is closed again on every path that
// opened it. Waits between failed open attempts go through `sleep`.
ReadBackResult ExchangeSettings(ParallelPort& port, const Sleeper& sleep);

} // namespace printer
