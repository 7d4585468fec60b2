#include "printer/RawJob.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using printer::SendResult;
using printer::WindowsFamily;

namespace {

class FakeSpooler : public printer::Spooler {
public:
    bool opens = true;
    bool statusReads = true;
    std::uint32_t status = 0;
    bool docStarts = true;
    std::size_t perWrite = 1000; // bytes taken per write; 0 fails the write
    std::size_t overReport = 0;  // added to the count a write reports

    std::vector<std::string> log;
    std::vector<unsigned char> job;

    bool Open(const std::string& name, bool accessUse) override {
        log.push_back("open " + name + (accessUse ? " use" : " none"));
        return opens;
    }
    bool ReadStatus(std::uint32_t& value) override {
        log.push_back("status");
        value = status;
        return statusReads;
    }
    bool BeginDocument(const char* name) override {
        log.push_back(std::string("start ") + name);
        return docStarts;
    }
    void Reset() override { log.push_back("reset"); }
    std::size_t Write(const unsigned char* data, std::size_t size) override {
        log.push_back("write " + std::to_string(size));
        std::size_t taken = size < perWrite ? size : perWrite;
        job.insert(job.end(), data, data + taken);
        return taken + overReport;
    }
    void EndDocument() override { log.push_back("end"); }
    void Close() override { log.push_back("close"); }
};

const std::vector<unsigned char> kBlock = [] {
    std::vector<unsigned char> block(270);
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<unsigned char>(i * 7);
    return block;
}();

SendResult Send(FakeSpooler& spooler, WindowsFamily family) {
    return printer::RunRawJob(spooler, family, "K42", kBlock.data(), kBlock.size());
}

using Log = std::vector<std::string>;
const Log kJob = {"start Tuneboard Status Write", "reset", "write 270", "end", "close"};

Log Joined(Log a, const Log& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

TEST(PrinterJob, NtOpensForUseAndSendsOneJob) {
    FakeSpooler spooler;
    EXPECT_EQ(SendResult::Sent, Send(spooler, WindowsFamily::Nt));
    EXPECT_EQ(Joined({"open K42 use"}, kJob), spooler.log);
    EXPECT_EQ(kBlock, spooler.job);
}

TEST(PrinterJob, Win9xChecksUserIntervention) {
    FakeSpooler spooler;
    spooler.status = 0x00000400 | 0x8;
    EXPECT_EQ(SendResult::Sent, Send(spooler, WindowsFamily::Win9x));
    EXPECT_EQ(Joined({"open K42 none", "status"}, kJob), spooler.log);

    FakeSpooler waiting;
    waiting.status = 0x00100000;
    EXPECT_EQ(SendResult::Unusable, Send(waiting, WindowsFamily::Win9x));
    EXPECT_EQ(Log({"open K42 none", "status", "close"}), waiting.log);

    FakeSpooler unreadable;
    unreadable.statusReads = false;
    EXPECT_EQ(SendResult::Unusable, Send(unreadable, WindowsFamily::Win9x));
    EXPECT_EQ(Log({"open K42 none", "status", "close"}), unreadable.log);
}

TEST(PrinterJob, FailuresAreUnusableAndCloseWhatWasOpened) {
    FakeSpooler closed;
    closed.opens = false;
    EXPECT_EQ(SendResult::Unusable, Send(closed, WindowsFamily::Nt));
    EXPECT_EQ(Log({"open K42 use"}), closed.log);

    FakeSpooler noDoc;
    noDoc.docStarts = false;
    EXPECT_EQ(SendResult::Unusable, Send(noDoc, WindowsFamily::Nt));
    EXPECT_EQ(Log({"open K42 use", "start Tuneboard Status Write", "close"}), noDoc.log);

    FakeSpooler noWrite;
    noWrite.perWrite = 0;
    EXPECT_EQ(SendResult::Unusable, Send(noWrite, WindowsFamily::Nt));
    EXPECT_EQ(Joined({"open K42 use"}, kJob), noWrite.log);

    // A count above the bytes given cannot be true: the job is not taken as sent.
    FakeSpooler overCount;
    overCount.overReport = 1;
    EXPECT_EQ(SendResult::Unusable, Send(overCount, WindowsFamily::Nt));
    EXPECT_EQ(Joined({"open K42 use"}, kJob), overCount.log);
}

// A write that takes part of the block is followed by writes of the rest.
TEST(PrinterJob, PartialWritesSendTheRest) {
    FakeSpooler spooler;
    spooler.perWrite = 100;
    EXPECT_EQ(SendResult::Sent, Send(spooler, WindowsFamily::Nt));
    EXPECT_EQ(kBlock, spooler.job);
    Log writes(spooler.log.begin() + 3, spooler.log.end() - 2);
    EXPECT_EQ(Log({"write 270", "write 170", "write 70"}), writes);
}
