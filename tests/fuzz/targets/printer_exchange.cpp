// The printer conversations with a spooler, a port and a printer list that answer
// anything: a job counts as sent only when every byte went out in order, the port is
// closed exactly when it was opened and its time-outs are put back, and the list offers
// only usable printers of the model, in the spooler's order.
#include "tests/fuzz/engine/Fuzz.h"

#include "printer/PrinterList.h"
#include "printer/RawJob.h"
#include "printer/ReadBack.h"

#include <cstring>
#include <vector>

using namespace printer;

namespace {

class ScriptedSpooler : public Spooler {
public:
    explicit ScriptedSpooler(fuzz::Input& in) : in(in) {}
    bool Open(const std::string&, bool) override { return opened = in.Bool(), opened; }
    bool ReadStatus(std::uint32_t& status) override {
        status = in.Bool() ? kStatusUserIntervention : 0;
        return in.Bool() || in.Remaining() == 0;
    }
    bool BeginDocument(const char* name) override {
        FUZZ_CHECK(opened && std::strcmp(name, "Tuneboard Status Write") == 0);
        return begun = in.Byte() != 0x42, begun;
    }
    void Reset() override {}
    std::size_t Write(const unsigned char* data, std::size_t size) override {
        FUZZ_CHECK(begun && !ended);
        std::size_t taken = in.Byte() % 8 == 0 ? 0 : 1 + in.Byte() % size;
        if (in.Byte() == 0xEE) taken = size + 1; // a spooler that claims too much
        if (taken <= size) written.insert(written.end(), data, data + taken);
        return taken;
    }
    void EndDocument() override { ended = true; }
    void Close() override { ++closes; }

    fuzz::Input& in;
    bool opened = false, begun = false, ended = false;
    int closes = 0;
    std::vector<unsigned char> written;
};

class ScriptedPort : public ParallelPort {
public:
    explicit ScriptedPort(fuzz::Input& in) : in(in) {}
    bool Open() override {
        FUZZ_CHECK(!open);
        open = in.Byte() % 4 != 0;
        opens += open;
        return open;
    }
    bool GetTimeouts(PortTimeouts& t) override {
        FUZZ_CHECK(open);
        t = current;
        if (in.Byte() % 8 == 0) return false;
        got = true;
        lastGot = current;
        lastSet = current;
        return true;
    }
    bool SetTimeouts(const PortTimeouts& t) override {
        FUZZ_CHECK(open);
        lastSet = t;
        if (in.Byte() % 8 == 0) return false;
        current = t;
        return true;
    }
    bool QueryDeviceId(DeviceIdBuffer& buffer) override {
        FUZZ_CHECK(open);
        for (char& c : buffer)
            FUZZ_CHECK(c == 0);
        std::string id = in.Text();
        std::memcpy(buffer.data(), id.data(), std::min(id.size(), buffer.size()));
        return in.Byte() % 8 != 0;
    }
    std::size_t Write(const unsigned char* data, std::size_t size) override {
        FUZZ_CHECK(open);
        request.assign(data, data + size);
        return in.Byte() % 8 == 0 ? size - 1 : size;
    }
    bool Read(unsigned char* buffer, std::size_t capacity, std::size_t& received) override {
        FUZZ_CHECK(open && capacity == 260);
        received = in.Byte() % 2 ? 132 : in.Byte() + in.Byte();
        if (received > capacity) received = capacity;
        std::memset(buffer, 0x31, received);
        return in.Byte() % 8 != 0;
    }
    void Close() override {
        FUZZ_CHECK(open);
        open = false;
        ++closes;
    }
    unsigned long LastError() const override { return 5; }

    fuzz::Input& in;
    bool open = false;
    int opens = 0, closes = 0;
    PortTimeouts current{1, 2, 3}, lastGot, lastSet;
    bool got = false;
    std::vector<unsigned char> request;
};

class ScriptedPrinters : public PrinterSource {
public:
    explicit ScriptedPrinters(fuzz::Input& in) : in(in) {}
    PrinterInfo2 Info() {
        PrinterInfo2 info;
        info.printerName = "P" + std::to_string(in.Byte() % 4);
        info.portName = in.Bool() ? "LPT1:" : "FILE:";
        info.serverName = in.Bool() ? "\\\\server" : "";
        info.driverName = in.Bool() ? "Varo Corvane K42" : in.Text();
        info.status = in.Bool() ? kStatusUserIntervention : in.Byte();
        return info;
    }
    std::vector<PrinterInfo2> LocalPrinters() override { return List(); }
    std::vector<PrinterInfo4> Connections() override {
        std::vector<PrinterInfo4> entries(in.Byte() % 5);
        for (PrinterInfo4& e : entries) {
            e.printerName = "P" + std::to_string(in.Byte() % 4);
            if (in.Bool()) e.serverName = "\\\\server";
            e.attributes = in.Bool() ? kAttributeNetwork : in.Byte();
        }
        return entries;
    }
    std::vector<PrinterInfo2> ServerPrinters(const std::string*) override { return List(); }
    bool CanOpenForUse(const std::string&) override { return in.Bool(); }

    std::vector<PrinterInfo2> List() {
        std::vector<PrinterInfo2> list(in.Byte() % 5);
        for (PrinterInfo2& info : list)
            info = Info();
        listed.insert(listed.end(), list.begin(), list.end());
        return list;
    }

    fuzz::Input& in;
    std::vector<PrinterInfo2> listed;
};

void CheckJob(fuzz::Input& in) {
    std::vector<unsigned char> job(1 + in.Byte() % 64 + (in.Bool() ? 270 : 0));
    for (std::size_t i = 0; i < job.size(); ++i)
        job[i] = static_cast<unsigned char>(i * 7);
    ScriptedSpooler spooler(in);
    WindowsFamily family = in.Bool() ? WindowsFamily::Nt : WindowsFamily::Win9x;
    SendResult result = RunRawJob(spooler, family, "P", job.data(), job.size());
    FUZZ_CHECK(spooler.closes == (spooler.opened ? 1 : 0));
    if (result == SendResult::Sent) FUZZ_CHECK(spooler.written == job);
    FUZZ_CHECK(spooler.written.size() <= job.size());
    FUZZ_CHECK(std::equal(spooler.written.begin(), spooler.written.end(), job.begin()));
}

void CheckReadBack(fuzz::Input& in) {
    ScriptedPort port(in);
    int sleeps = 0;
    ReadBackResult result = ExchangeSettings(port, [&sleeps](unsigned ms) {
        FUZZ_CHECK(ms == 1000);
        ++sleeps;
    });
    FUZZ_CHECK(!port.open && port.closes == port.opens && port.opens <= 1);
    FUZZ_CHECK(sleeps <= 2);
    // The time-outs last set are those last read: the port is left as it was found.
    if (port.got) FUZZ_CHECK(port.lastSet == port.lastGot);
    if (result.outcome == ReadBackOutcome::Received) {
        const unsigned char request[] = {0x1C, 'o', '3', '.', 0x00};
        FUZZ_CHECK(port.request.size() == 5 && std::memcmp(port.request.data(), request, 5) == 0);
        FUZZ_CHECK(result.reply.size() <= 260);
    } else {
        FUZZ_CHECK(result.reply.empty());
    }
}

void CheckList(fuzz::Input& in) {
    ScriptedPrinters source(in);
    WindowsFamily family = in.Bool() ? WindowsFamily::Nt : WindowsFamily::Win9x;
    std::vector<PrinterRow> rows = ListModelPrinters(source, family);
    for (const PrinterRow& row : rows) {
        bool known = false;
        for (const PrinterInfo2& info : source.listed)
            known =
                known || (info.printerName == row.name && info.driverName == "Varo Corvane K42" &&
                          (row.connection == info.portName || row.connection == info.serverName));
        FUZZ_CHECK(known);
    }
    if (family == WindowsFamily::Win9x) {
        std::size_t next = 0;
        for (const PrinterInfo2& info : source.listed) {
            bool usable = info.driverName == "Varo Corvane K42" &&
                          (info.status & kStatusUserIntervention) == 0;
            if (!usable) continue;
            FUZZ_CHECK(next < rows.size() && rows[next].name == info.printerName &&
                       rows[next].connection == info.portName);
            ++next;
        }
        FUZZ_CHECK(next == rows.size());
    }
}

} // namespace

const std::size_t fuzz::kMaxInputSize = 800;

void fuzz::FuzzOne(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    switch (in.Byte() % 3) {
    case 0:
        CheckJob(in);
        break;
    case 1:
        CheckReadBack(in);
        break;
    default:
        CheckList(in);
        break;
    }
}
