#include "printer/PrinterList.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using printer::PrinterInfo2;
using printer::PrinterInfo4;
using printer::PrinterRow;
using printer::WindowsFamily;

namespace {

constexpr char kModel[] = "Varo Corvane K42";
const std::string kLocal = "(local)";

class FakeSource : public printer::PrinterSource {
public:
    std::vector<PrinterInfo2> local;
    std::vector<PrinterInfo4> connections;
    std::map<std::string, std::vector<PrinterInfo2>> servers; // kLocal: no server name
    std::set<std::string> unopenable;

    std::vector<std::string> serverQueries;
    std::vector<std::string> openTests;

    std::vector<PrinterInfo2> LocalPrinters() override { return local; }
    std::vector<PrinterInfo4> Connections() override { return connections; }
    std::vector<PrinterInfo2> ServerPrinters(const std::string* server) override {
        serverQueries.push_back(server ? *server : kLocal);
        return servers[serverQueries.back()];
    }
    bool CanOpenForUse(const std::string& name) override {
        openTests.push_back(name);
        return unopenable.count(name) == 0;
    }
};

} // namespace

namespace printer {
void PrintTo(const PrinterRow& row, std::ostream* out) {
    *out << "{" << row.name << ", " << row.connection << "}";
}
} // namespace printer

TEST(PrinterList, FamilyFromPlatformId) {
    EXPECT_EQ(WindowsFamily::Nt, printer::FamilyOfPlatform(2));
    EXPECT_EQ(WindowsFamily::Win9x, printer::FamilyOfPlatform(1));
    EXPECT_EQ(WindowsFamily::Win9x, printer::FamilyOfPlatform(0));
}

TEST(PrinterList, Win9xListsModelPrintersNotWaitingForTheUser) {
    FakeSource source;
    source.local = {
        {"", "K42 one", "LPT1:", kModel, 0},
        {"", "case", "LPT1:", "Varo corvane K42", 0},
        {"", "waiting", "LPT2:", kModel, 0x00100000 | 0x8},
        {"", "other", "LPT1:", "Generic", 0},
        {"", "K42 busy", "FILE:", kModel, 0x00000400 | 0x8},
    };
    std::vector<PrinterRow> expected = {{"K42 one", "LPT1:"}, {"K42 busy", "FILE:"}};
    EXPECT_EQ(expected, printer::ListModelPrinters(source, WindowsFamily::Win9x));
    EXPECT_TRUE(source.openTests.empty());
    EXPECT_TRUE(source.serverQueries.empty());
}

TEST(PrinterList, NtMatchesEachEntryOnItsServer) {
    FakeSource source;
    source.connections = {
        {"local", std::nullopt, 0x40},
        {"\\\\srv\\net", std::string("\\\\srv"), 0x10},
        {"\\\\srv\\mixed", std::string("\\\\srv"), 0x10 | 0x200},
        {"locked", std::nullopt, 0x40},
        {"twice", std::nullopt, 0x40},
        {"case", std::nullopt, 0x40},
        {"absent", std::nullopt, 0x40},
    };
    source.servers[kLocal] = {
        {"", "local", "LPT1:", kModel, 0x00100000}, // status is not looked at here
        {"", "locked", "LPT2:", kModel, 0},
        {"", "twice", "COM1:", "Generic", 0},
        {"", "twice", "COM2:", kModel, 0},
        {"", "twice", "COM3:", kModel, 0},
        {"", "case", "LPT1:", "VARO CORVANE K42", 0},
    };
    source.servers["\\\\srv"] = {
        {"\\\\srv", "\\\\srv\\net", "NE01:", kModel, 0},
        {"\\\\srv", "\\\\srv\\mixed", "NE02:", kModel, 0},
    };
    source.unopenable = {"locked"};

    std::vector<PrinterRow> expected = {
        {"local", "LPT1:"},
        {"\\\\srv\\net", "\\\\srv"},
        {"\\\\srv\\mixed", "NE02:"},
        {"twice", "COM2:"},
    };
    EXPECT_EQ(expected, printer::ListModelPrinters(source, WindowsFamily::Nt));
    std::vector<std::string> queries = {kLocal, "\\\\srv", "\\\\srv", kLocal,
                                        kLocal, kLocal,    kLocal};
    EXPECT_EQ(queries, source.serverQueries);
    // One open test per matched entry; none without a driver match.
    std::vector<std::string> opened = {"local", "\\\\srv\\net", "\\\\srv\\mixed", "locked",
                                       "twice"};
    EXPECT_EQ(opened, source.openTests);
}
