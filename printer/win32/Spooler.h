#pragma once
// The Windows spooler behind the portable printer rules: the family of the running
// system, the list of usable printers of the model, and the raw send.
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "printer/PrinterList.h"
#include "printer/RawJob.h"

namespace printer {

// The family of framework::RunningWindows().
WindowsFamily CurrentFamily();

// The spooler's printers as the listing reads them (EnumPrintersA, OpenPrinterA).
class Win32PrinterSource : public PrinterSource {
public:
    std::vector<PrinterInfo2> LocalPrinters() override;
    std::vector<PrinterInfo4> Connections() override;
    std::vector<PrinterInfo2> ServerPrinters(const std::string* server) override;
    bool CanOpenForUse(const std::string& printerName) override;
};

// The usable printers of the model, listed as `family` does. The first listing after
// PrefetchUsablePrinters is the one that call started.
std::vector<PrinterRow> ListUsablePrinters(WindowsFamily family);

// Starts the listing on a worker thread, so that the spooler's start-up overlaps the
// program's own; the next ListUsablePrinters waits for it. Without a thread the listing
// is simply made when asked for.
void PrefetchUsablePrinters(WindowsFamily family);

using SpoolerFactory = std::function<std::unique_ptr<Spooler>()>;

// Replaces the spooler of every later send (tests plug in one that refuses); an empty
// factory restores the Windows spooler.
void SetSpoolerFactory(SpoolerFactory factory);

// Sends `size` bytes to `printerName` as one raw job "Tuneboard Status Write", opening
// the printer as `family` does.
SendResult SendRawJob(const std::string& printerName, const unsigned char* data, std::size_t size,
                      WindowsFamily family);

} // namespace printer
