#include "printer/ReadBack.h"
#include "printer/ReplyDecoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using printer::PortTimeouts;
using printer::ReadBackOutcome;

namespace {

constexpr PortTimeouts kPortOwn{7, 8, 9};
const std::string kExchange = "set 200/10000/30000";
const std::string kRestore = "set 7/8/9";

// A scripted port that logs every call. Get/Set calls are counted from 1 so a test can
// make one particular call fail.
class FakePort : public printer::ParallelPort {
public:
    int refusedOpens = 0;
    int failGetAt = 0;
    int failSetAt = 0;
    bool idFails = false;
    std::string deviceId = "MFG:VARO;MDL:K42;EXTSTS:00000000;";
    std::size_t acceptedBytes = 5;
    bool readFails = false;
    std::size_t overReport = 0; // added to the count a read reports
    std::vector<unsigned char> answer = std::vector<unsigned char>(printer::kReplySize, 0x42);

    std::vector<std::string> log;
    std::vector<unsigned char> request;
    PortTimeouts current = kPortOwn;
    int gets = 0, sets = 0, closes = 0;

    bool Open() override {
        log.push_back("open");
        return refusedOpens-- <= 0;
    }
    bool GetTimeouts(PortTimeouts& timeouts) override {
        log.push_back("get");
        if (++gets == failGetAt) return Fail(1460);
        timeouts = current;
        return true;
    }
    bool SetTimeouts(const PortTimeouts& timeouts) override {
        log.push_back("set " + std::to_string(timeouts.readInterval) + "/" +
                      std::to_string(timeouts.readTotalConstant) + "/" +
                      std::to_string(timeouts.writeTotalConstant));
        if (++sets == failSetAt) return Fail(87);
        current = timeouts;
        return true;
    }
    bool QueryDeviceId(printer::DeviceIdBuffer& buffer) override {
        log.push_back("id");
        deviceId.copy(buffer.data(), buffer.size());
        return !idFails;
    }
    std::size_t Write(const unsigned char* data, std::size_t size) override {
        log.push_back("write");
        request.assign(data, data + size);
        return acceptedBytes;
    }
    bool Read(unsigned char* buffer, std::size_t capacity, std::size_t& received) override {
        log.push_back("read " + std::to_string(capacity));
        for (std::size_t i = 0; i < capacity; ++i)
            if (buffer[i] != 0) ADD_FAILURE() << "read buffer not cleared";
        received = answer.size() < capacity ? answer.size() : capacity;
        std::copy(answer.begin(), answer.begin() + received, buffer);
        received += overReport;
        return !readFails;
    }
    void Close() override {
        log.push_back("close");
        ++closes;
    }
    unsigned long LastError() const override { return error; }

private:
    bool Fail(unsigned long number) {
        error = number;
        return false;
    }
    unsigned long error = 0;
};

struct Trial {
    printer::ReadBackResult result;
    std::vector<unsigned> waits;
};

Trial Exchange(FakePort& port) {
    Trial run;
    run.result = printer::ExchangeSettings(
        port, [&run](unsigned milliseconds) { run.waits.push_back(milliseconds); });
    return run;
}

// The calls of the ready check on a ready printer.
const std::vector<std::string> kReadyCheck = {"get", kExchange, "id", kRestore};

std::vector<std::string> Joined(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

TEST(ReadBack, FullExchange) {
    FakePort port;
    Trial run = Exchange(port);
    EXPECT_EQ(ReadBackOutcome::Received, run.result.outcome);
    EXPECT_EQ(port.answer, run.result.reply);
    EXPECT_EQ(std::vector<unsigned char>({0x1C, 0x6F, 0x33, 0x2E, 0x00}), port.request);
    std::vector<std::string> expected =
        Joined(Joined({"open"}, kReadyCheck),
               {"get", kExchange, "write", kExchange, "read 260", kRestore, "close"});
    EXPECT_EQ(expected, port.log);
    EXPECT_TRUE(run.waits.empty());
}

TEST(ReadBack, OpenTakesUpToThreeAttemptsOneSecondApart) {
    FakePort late;
    late.refusedOpens = 2;
    Trial run = Exchange(late);
    EXPECT_EQ(ReadBackOutcome::Received, run.result.outcome);
    EXPECT_EQ(std::vector<unsigned>({1000, 1000}), run.waits);
    EXPECT_EQ(std::vector<std::string>({"open", "open", "open", "get"}),
              std::vector<std::string>(late.log.begin(), late.log.begin() + 4));

    FakePort never;
    never.refusedOpens = 3;
    run = Exchange(never);
    EXPECT_EQ(ReadBackOutcome::NotReady, run.result.outcome);
    EXPECT_EQ(std::vector<unsigned>({1000, 1000}), run.waits);
    EXPECT_EQ(std::vector<std::string>({"open", "open", "open"}), never.log);
}

// Every path after opening: the outcome, the error number, the calls from the ready
// check on, and in all of them the port's own time-outs back and one close at the end.
TEST(ReadBack, EveryPathRestoresTimeoutsAndCloses) {
    struct Case {
        const char* name;
        void (*script)(FakePort&);
        ReadBackOutcome outcome;
        unsigned long error;
        std::vector<std::string> calls;
    };
    const std::vector<Case> cases = {
        {"ready check cannot read time-outs",
         [](FakePort& p) { p.failGetAt = 1; },
         ReadBackOutcome::NotReady,
         0,
         {"get"}},
        {"ready check cannot set time-outs",
         [](FakePort& p) { p.failSetAt = 1; },
         ReadBackOutcome::NotReady,
         0,
         {"get", kExchange, kRestore}},
        {"device ID not read", [](FakePort& p) { p.idFails = true; }, ReadBackOutcome::NotReady, 0,
         kReadyCheck},
        {"status not ready", [](FakePort& p) { p.deviceId = "MFG:VARO;EXTSTS:00;"; },
         ReadBackOutcome::NotReady, 0, kReadyCheck},
        {"no status", [](FakePort& p) { p.deviceId = "MFG:VARO;STATUS:00000000;"; },
         ReadBackOutcome::NotReady, 0, kReadyCheck},
        {"time-outs not read", [](FakePort& p) { p.failGetAt = 2; },
         ReadBackOutcome::TimeoutsNotRead, 1460, Joined(kReadyCheck, {"get"})},
        {"time-outs not set", [](FakePort& p) { p.failSetAt = 3; }, ReadBackOutcome::TimeoutsNotSet,
         87, Joined(kReadyCheck, {"get", kExchange, kRestore})},
        {"request written short", [](FakePort& p) { p.acceptedBytes = 4; },
         ReadBackOutcome::RequestNotWritten, 0,
         Joined(kReadyCheck, {"get", kExchange, "write", kRestore})},
        {"request not written", [](FakePort& p) { p.acceptedBytes = 0; },
         ReadBackOutcome::RequestNotWritten, 0,
         Joined(kReadyCheck, {"get", kExchange, "write", kRestore})},
        {"read fails", [](FakePort& p) { p.readFails = true; }, ReadBackOutcome::ReadFailed, 0,
         Joined(kReadyCheck, {"get", kExchange, "write", kExchange, "read 260", kRestore})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakePort port;
        c.script(port);
        Trial run = Exchange(port);
        EXPECT_EQ(c.outcome, run.result.outcome);
        EXPECT_EQ(c.error, run.result.error);
        EXPECT_TRUE(run.result.reply.empty());
        EXPECT_EQ(Joined(Joined({"open"}, c.calls), {"close"}), port.log);
        EXPECT_EQ(kPortOwn, port.current);
        EXPECT_EQ(1, port.closes);
    }
}

TEST(ReadBack, ReplyOfAnyLengthIsPassedOn) {
    for (std::size_t size : {0u, 131u, 133u, 260u}) {
        SCOPED_TRACE(size);
        FakePort port;
        port.answer.assign(size, 0);
        for (std::size_t i = 0; i < size; ++i)
            port.answer[i] = static_cast<unsigned char>(i);
        Trial run = Exchange(port);
        EXPECT_EQ(ReadBackOutcome::Received, run.result.outcome);
        EXPECT_EQ(port.answer, run.result.reply);
    }
    // A count above the 260-byte buffer passes on only what the buffer holds.
    FakePort port;
    port.overReport = 500;
    EXPECT_EQ(260u, Exchange(port).result.reply.size());
}

TEST(ReadBack, DeviceIdWithLengthPrefix) {
    struct Case {
        std::string id;
        bool ready;
    };
    const std::vector<Case> cases = {
        {std::string("\0\x1F"
                     "MFG:VARO;EXTSTS:00000000;",
                     27),
         true},
        // The length's low byte may itself be ";".
        {std::string("\0;"
                     "EXTSTS:00000000;MDL:K42;",
                     26),
         true},
        {std::string("\0\x0B"
                     "EXTSTS:00;",
                     12),
         false},
        {"EXTSTS:00000000;", true},
        {"MFG:VARO;EXTSTS:00000000;", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id.substr(2));
        FakePort port;
        port.deviceId = c.id;
        EXPECT_EQ(c.ready, printer::QueryPrinterReady(port));
    }
}

TEST(ReadBack, LengthPrefixOnlyBeforeUnkeyedText) {
    auto offset = [](const std::string& id) {
        return printer::DeviceIdTextOffset(id.data(), id.size());
    };
    EXPECT_EQ(2u, offset(std::string("\0\x10MDL:K42;", 10)));
    EXPECT_EQ(0u, offset("MFG:VARO;EXTSTS:00000000;"));
    // A control character in front of items the walk already finds is left alone.
    EXPECT_EQ(0u, offset("\x01;EXTSTS:00000000;"));
    // One known key is enough, even when unknown items follow it.
    EXPECT_EQ(0u, offset("\x01;MDL:K42;X:1;"));
    EXPECT_EQ(0u, offset(std::string("\0\x01", 2)));
}
