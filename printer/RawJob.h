#pragma once
// Sending bytes to a printer as one raw spooler job, the way the settings block goes to
// the printer. The spooler is reached through Spooler so the sequence stays portable.
#include <cstddef>
#include <cstdint>
#include <string>

#include "printer/PrinterList.h"

namespace printer {

constexpr char kJobName[] = "Tuneboard Status Write";

// One printer handle of the spooler. Calls after a successful Open act on that printer.
class Spooler {
public:
    virtual ~Spooler() = default;
    // Opens with no datatype and no device mode; `accessUse` asks for the right to
    // print (PRINTER_ACCESS_USE), otherwise no access right is asked for.
    virtual bool Open(const std::string& printerName, bool accessUse) = 0;
    // The Status word of the printer's level-2 information.
    virtual bool ReadStatus(std::uint32_t& status) = 0;
    // Level 1 with the document name only: no output file, no datatype.
    virtual bool BeginDocument(const char* documentName) = 0;
    // Resets the printer to no defaults.
    virtual void Reset() = 0;
    // Bytes accepted; 0 when the write failed.
    virtual std::size_t Write(const unsigned char* data, std::size_t size) = 0;
    virtual void EndDocument() = 0;
    // Clears the last-error value and closes the printer.
    virtual void Close() = 0;
};

enum class SendResult { Sent, Unusable };

// Opens the printer as the family does, sends `size` bytes as job kJobName and closes
// it. Sent only when every byte was written; Unusable when the printer cannot be
// opened, waits for the user (9x family), or the job cannot be started or written.
SendResult RunRawJob(Spooler& spooler, WindowsFamily family, const std::string& printerName,
                     const unsigned char* data, std::size_t size);

} // namespace printer
