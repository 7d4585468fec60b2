// The spooler side of the printer code against the test prefix's printer "Varo Corvane
// K42" on LPT1:, whose jobs the prefix writes into a Unix file; and the read-back on a
// plugged-in simulated printer. Both families' code paths run in either prefix.
#include "printer/ReplyDecoder.h"
#include "printer/win32/Spooler.h"
#include "printer/win32/Win32ParallelPort.h"
#include "tests/win/PrefixFiles.h"
#include "tests/win/SimulatedPort.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using printer::WindowsFamily;

namespace {

using wintest::FileBytes;
using wintest::JobsFile;
using wintest::UserValue;
using wintest::WaitForJob;

constexpr char kModel[] = "Varo Corvane K42";
const WindowsFamily kFamilies[] = {WindowsFamily::Win9x, WindowsFamily::Nt};

class SpoolerTest : public testing::Test {
protected:
    void SetUp() override {
        jobs = JobsFile();
        if (jobs.empty()) GTEST_SKIP() << "this prefix spools no printer into a file";
    }
    std::string jobs;
};

using SpoolerList = SpoolerTest;
using SpoolerSend = SpoolerTest;

const char* Name(WindowsFamily family) {
    return family == WindowsFamily::Nt ? "NT" : "9x";
}

} // namespace

TEST_F(SpoolerList, FamilyFollowsThePrefixVersion) {
    std::string version = UserValue("Software\\Wine", "Version");
    ASSERT_FALSE(version.empty());
    EXPECT_EQ(version == "winxp" ? WindowsFamily::Nt : WindowsFamily::Win9x,
              printer::CurrentFamily())
        << version;
}

TEST_F(SpoolerList, BothListingsFindThePrinterOnLpt1) {
    for (WindowsFamily family : kFamilies) {
        SCOPED_TRACE(Name(family));
        std::vector<printer::PrinterRow> rows = printer::ListUsablePrinters(family);
        EXPECT_EQ(std::vector<printer::PrinterRow>({{kModel, "LPT1:"}}), rows);
    }
}

// The start-up's listing read ahead on a worker thread: the next listing waits for it.
TEST_F(SpoolerList, AListingReadAheadIsTheNextListing) {
    printer::PrefetchUsablePrinters(printer::CurrentFamily());
    for (int listing = 0; listing < 2; ++listing) {
        EXPECT_EQ(std::vector<printer::PrinterRow>({{kModel, "LPT1:"}}),
                  printer::ListUsablePrinters(printer::CurrentFamily()))
            << listing;
    }
}

TEST_F(SpoolerSend, JobArrivesByteExact) {
    std::vector<unsigned char> block(270);
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<unsigned char>(i ^ 0x5C);
    for (WindowsFamily family : kFamilies) {
        SCOPED_TRACE(Name(family));
        block[0] = family == WindowsFamily::Nt ? 0x1C : 0x1D; // tells the two jobs apart
        DeleteFileA(jobs.c_str());
        ASSERT_EQ(printer::SendResult::Sent,
                  printer::SendRawJob(kModel, block.data(), block.size(), family));
        EXPECT_EQ(block, WaitForJob(jobs, block.size()));
    }
}

TEST_F(SpoolerSend, UnknownPrinterIsUnusable) {
    const unsigned char byte = 0;
    for (WindowsFamily family : kFamilies)
        EXPECT_EQ(printer::SendResult::Unusable,
                  printer::SendRawJob("Varo Corvane K43", &byte, 1, family))
            << Name(family);
}

TEST(SpoolerReadBack, PluggedPortAnswersTheExchange) {
    wintest::SimulatedPort port;
    port.SetReply([](std::size_t i) { return static_cast<unsigned char>(i + 1); });
    wintest::PluggedPort plug(port);
    printer::ReadBackResult result = printer::ReadBackFromPrinter();
    EXPECT_EQ(printer::ReadBackOutcome::Received, result.outcome);
    EXPECT_EQ(port.reply, result.reply);
    EXPECT_EQ(std::vector<unsigned char>(printer::kSettingsRequest,
                                         printer::kSettingsRequest + printer::kSettingsRequestSize),
              port.written);
    EXPECT_EQ(printer::PortTimeouts({1, 2, 3}), port.timeouts);
    EXPECT_EQ(1, port.closes);
    EXPECT_FALSE(port.isOpen);
}

TEST(SpoolerReadBack, PluggedPortFailures) {
    wintest::SimulatedPort refusing;
    refusing.refusedOpens = 3;
    wintest::PluggedPort plug(refusing);
    EXPECT_EQ(printer::ReadBackOutcome::NotReady, printer::ReadBackFromPrinter().outcome);
    EXPECT_EQ(std::vector<unsigned>({1000, 1000}), plug.waits);
    EXPECT_EQ(0, refusing.closes);

    wintest::SimulatedPort unset;
    unset.failSetTimeoutsAt = 3;
    unset.error = 31;
    wintest::PluggedPort plugUnset(unset);
    printer::ReadBackResult result = printer::ReadBackFromPrinter();
    EXPECT_EQ(printer::ReadBackOutcome::TimeoutsNotSet, result.outcome);
    EXPECT_EQ(31u, result.error);
    EXPECT_EQ(printer::PortTimeouts({1, 2, 3}), unset.timeouts);
    EXPECT_EQ(1, unset.closes);
}

TEST(SpoolerReadBack, Win32PortIsTheDefault) {
    EXPECT_NE(nullptr, dynamic_cast<printer::Win32ParallelPort*>(printer::OpenPortObject().get()));
}
