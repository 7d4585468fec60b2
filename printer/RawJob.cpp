#include "printer/RawJob.h"

namespace printer {
namespace {

// The NT family asks for the right to print; the 9x family opens without access
// rights and checks that the printer does not wait for the user.
bool OpenUsable(Spooler& spooler, WindowsFamily family, const std::string& printerName,
                bool& opened) {
    bool nt = family == WindowsFamily::Nt;
    opened = spooler.Open(printerName, nt);
    if (!opened) return false;
    if (nt) return true;
    std::uint32_t status = 0;
    return spooler.ReadStatus(status) && (status & kStatusUserIntervention) == 0;
}

// The spooler may take part of a buffer per write: the rest is written until every byte
// is in or a write takes none.
bool WriteAll(Spooler& spooler, const unsigned char* data, std::size_t size) {
    while (size > 0) {
        std::size_t written = spooler.Write(data, size);
        if (written == 0 || written > size) return false;
        data += written;
        size -= written;
    }
    return true;
}

bool WriteJob(Spooler& spooler, const unsigned char* data, std::size_t size) {
    if (!spooler.BeginDocument(kJobName)) return false;
    spooler.Reset();
    bool written = WriteAll(spooler, data, size);
    spooler.EndDocument();
    return written;
}

} // namespace

SendResult RunRawJob(Spooler& spooler, WindowsFamily family, const std::string& printerName,
                     const unsigned char* data, std::size_t size) {
    bool opened = false;
    bool sent = OpenUsable(spooler, family, printerName, opened) && WriteJob(spooler, data, size);
    if (opened) spooler.Close();
    return sent ? SendResult::Sent : SendResult::Unusable;
}

} // namespace printer
