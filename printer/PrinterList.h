#pragma once
// Which printers the settings program offers: printers of the model's driver that can be
// used, each with its connection (port name, or server name for a network connection).
// The spooler is reached through PrinterSource so the listing rules stay portable.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace printer {

constexpr char kModelDriverName[] = "Varo Corvane K42";
constexpr std::uint32_t kStatusUserIntervention = 0x00100000; // PRINTER_STATUS_USER_INTERVENTION
constexpr std::uint32_t kAttributeNetwork = 0x10;             // PRINTER_ATTRIBUTE_NETWORK

// The platform id of the version information decides the family: 2 is the NT family.
enum class WindowsFamily { Win9x, Nt };
WindowsFamily FamilyOfPlatform(unsigned long platformId);

// One listed printer: column 0 and column 1 of the selection list.
struct PrinterRow {
    std::string name;
    std::string connection;
};

inline bool operator==(const PrinterRow& a, const PrinterRow& b) {
    return a.name == b.name && a.connection == b.connection;
}

// The fields of a level-2 printer record the listing reads; null texts read as "".
struct PrinterInfo2 {
    std::string serverName;
    std::string printerName;
    std::string portName;
    std::string driverName;
    std::uint32_t status = 0;
};

// A level-4 entry: a local printer (no server) or a printer connection.
struct PrinterInfo4 {
    std::string printerName;
    std::optional<std::string> serverName;
    std::uint32_t attributes = 0;
};

// The spooler as the listing sees it. A failing enumeration yields no entries.
class PrinterSource {
public:
    virtual ~PrinterSource() = default;
    // 9x family: local printers, level 2.
    virtual std::vector<PrinterInfo2> LocalPrinters() = 0;
    // NT family: local printers and printer connections, level 4.
    virtual std::vector<PrinterInfo4> Connections() = 0;
    // NT family: the level-2 printers of `server` (null: the local machine).
    virtual std::vector<PrinterInfo2> ServerPrinters(const std::string* server) = 0;
    // NT family: whether the printer opens with the right to print (the handle is closed).
    virtual bool CanOpenForUse(const std::string& printerName) = 0;
};

// The usable printers of the model in the order the spooler returns them.
std::vector<PrinterRow> ListModelPrinters(PrinterSource& source, WindowsFamily family);

} // namespace printer
