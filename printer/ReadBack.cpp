#include "printer/ReadBack.h"

#include "printer/ReplyDecoder.h"

#include <utility>

namespace printer {
namespace {

bool OpenWithRetries(ParallelPort& port, const Sleeper& sleep) {
    for (int attempt = 1;; ++attempt) {
        if (port.Open()) return true;
        if (attempt == kOpenAttempts) return false;
        sleep(kOpenRetryDelayMs);
    }
}

// Ready status of the device ID, skipping a length prefix in front of the text.
bool DeviceIdReady(const DeviceIdBuffer& id) {
    std::size_t offset = DeviceIdTextOffset(id.data(), id.size());
    return IsPrinterReady(id.data() + offset, id.size() - offset);
}

// Request and reply, with the port's time-outs already saved.
ReadBackResult RequestReply(ParallelPort& port) {
    if (!port.SetTimeouts(kExchangeTimeouts))
        return {ReadBackOutcome::TimeoutsNotSet, port.LastError(), {}};
    if (port.Write(kSettingsRequest, kSettingsRequestSize) < kSettingsRequestSize)
        return {ReadBackOutcome::RequestNotWritten, 0, {}};
    port.SetTimeouts(kExchangeTimeouts);
    std::vector<unsigned char> reply(kReplyBufferSize, 0);
    std::size_t received = 0;
    if (!port.Read(reply.data(), reply.size(), received))
        return {ReadBackOutcome::ReadFailed, 0, {}};
    reply.resize(received < reply.size() ? received : reply.size());
    return {ReadBackOutcome::Received, 0, std::move(reply)};
}

// Everything between opening and closing the port.
ReadBackResult ExchangeOnOpenPort(ParallelPort& port) {
    if (!QueryPrinterReady(port)) return {};
    PortTimeouts saved;
    if (!port.GetTimeouts(saved)) return {ReadBackOutcome::TimeoutsNotRead, port.LastError(), {}};
    ReadBackResult result = RequestReply(port);
    port.SetTimeouts(saved);
    return result;
}

} // namespace

bool QueryPrinterReady(ParallelPort& port) {
    PortTimeouts saved;
    if (!port.GetTimeouts(saved)) return false;
    bool ready = false;
    if (port.SetTimeouts(kExchangeTimeouts)) {
        DeviceIdBuffer id{};
        ready = port.QueryDeviceId(id) && DeviceIdReady(id);
    }
    port.SetTimeouts(saved);
    return ready;
}

ReadBackResult ExchangeSettings(ParallelPort& port, const Sleeper& sleep) {
    if (!OpenWithRetries(port, sleep)) return {};
    ReadBackResult result = ExchangeOnOpenPort(port);
    port.Close();
    return result;
}

} // namespace printer
