// Sends the bytes of a file as one RAW job to a printer, the way the settings program
// sends its commands: OpenPrinterA, StartDocPrinterA level 1, WritePrinter,
// EndDocPrinter, ClosePrinter. Exit code 0 when the spooler took every byte.
// Usage: sendraw.exe PRINTER FILE
#include <windows.h>
#include <winspool.h>
#include <cstdio>
#include <vector>

namespace {

bool ReadBytes(const char* path, std::vector<char>* bytes) {
    FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes->insert(bytes->end(), buffer, buffer + n);
    std::fclose(file);
    return true;
}

bool Fail(const char* step) {
    std::fprintf(stderr, "sendraw: %s failed: error %lu\n", step, GetLastError());
    return false;
}

bool WriteJob(HANDLE printer, std::vector<char>& bytes) {
    DOC_INFO_1A doc = {};
    doc.pDocName = const_cast<char*>("sendraw");
    doc.pDatatype = const_cast<char*>("RAW");
    if (!StartDocPrinterA(printer, 1, reinterpret_cast<BYTE*>(&doc)))
        return Fail("StartDocPrinterA");
    DWORD written = 0;
    bool ok = WritePrinter(printer, bytes.data(), static_cast<DWORD>(bytes.size()), &written);
    if (!ok) Fail("WritePrinter");
    if (ok && written != bytes.size()) {
        std::fprintf(stderr, "sendraw: wrote %lu of %u bytes\n", written,
                     static_cast<unsigned>(bytes.size()));
        ok = false;
    }
    if (!EndDocPrinter(printer)) return Fail("EndDocPrinter");
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<char> bytes;
    if (argc != 3 || !ReadBytes(argv[2], &bytes)) {
        std::fprintf(stderr, "usage: sendraw.exe PRINTER FILE\n");
        return 2;
    }
    HANDLE printer = nullptr;
    if (!OpenPrinterA(argv[1], &printer, nullptr)) {
        Fail("OpenPrinterA");
        return 1;
    }
    bool ok = WriteJob(printer, bytes);
    if (!ClosePrinter(printer)) ok = Fail("ClosePrinter");
    return ok ? 0 : 1;
}
