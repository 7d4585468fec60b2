#include "printer/PrinterList.h"

namespace printer {
namespace {

bool IsModelDriver(const PrinterInfo2& info) {
    return info.driverName == kModelDriverName;
}

// 9x family: every printer of the model that does not wait for the user.
std::vector<PrinterRow> List9x(PrinterSource& source) {
    std::vector<PrinterRow> rows;
    for (const PrinterInfo2& info : source.LocalPrinters())
        if (IsModelDriver(info) && (info.status & kStatusUserIntervention) == 0)
            rows.push_back({info.printerName, info.portName});
    return rows;
}

// NT family: the first level-2 record of the entry's server with the entry's name and
// the model's driver, listed when it opens for printing. A connection shows its server
// only when its attributes are exactly the network attribute.
std::optional<PrinterRow> RowOfEntry(PrinterSource& source, const PrinterInfo4& entry) {
    const std::string* server = entry.serverName ? &*entry.serverName : nullptr;
    for (const PrinterInfo2& info : source.ServerPrinters(server)) {
        if (info.printerName != entry.printerName || !IsModelDriver(info)) continue;
        if (!source.CanOpenForUse(info.printerName)) return std::nullopt;
        bool network = entry.attributes == kAttributeNetwork;
        return PrinterRow{entry.printerName, network ? info.serverName : info.portName};
    }
    return std::nullopt;
}

std::vector<PrinterRow> ListNt(PrinterSource& source) {
    std::vector<PrinterRow> rows;
    for (const PrinterInfo4& entry : source.Connections())
        if (std::optional<PrinterRow> row = RowOfEntry(source, entry)) rows.push_back(*row);
    return rows;
}

} // namespace

WindowsFamily FamilyOfPlatform(unsigned long platformId) {
    return platformId == 2 ? WindowsFamily::Nt : WindowsFamily::Win9x;
}

std::vector<PrinterRow> ListModelPrinters(PrinterSource& source, WindowsFamily family) {
    return family == WindowsFamily::Nt ? ListNt(source) : List9x(source);
}

} // namespace printer
