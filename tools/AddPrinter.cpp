// Adds printers to a Wine prefix. Each line "printer<TAB>driver<TAB>port" of a CP932
// list file installs the driver (Wine's PostScript driver hosting the given PPD) and a
// printer on the port that takes RAW jobs through the WinPrint processor. Names come
// from a file because Japanese on a Wine command line depends on the host locale.
// The first printer becomes the default one, as Windows does with a first printer.
// Usage: addprinter.exe PPD-FILE LIST-FILE
#include <windows.h>
#include <winspool.h>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct PrinterEntry {
    std::string printer, driver, port;
};

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == separator)
            parts.emplace_back();
        else if (c != '\r')
            parts.back() += c;
    }
    return parts;
}

bool ReadEntries(const char* path, std::vector<PrinterEntry>* entries) {
    FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    std::string text;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, n);
    std::fclose(file);
    for (const std::string& line : Split(text, '\n')) {
        if (line.empty()) continue;
        std::vector<std::string> fields = Split(line, '\t');
        if (fields.size() != 3) return false;
        entries->push_back({fields[0], fields[1], fields[2]});
    }
    return true;
}

// The NT environment of this build's processor: a 64-bit test build runs under 64-bit Wine.
#ifdef _WIN64
const char kNtEnvironment[] = "Windows x64";
const char kNtDriverFolder[] = "x64";
#else
const char kNtEnvironment[] = "Windows NT x86";
const char kNtDriverFolder[] = "w32x86";
#endif

// Wine's PostScript driver as installed by wineboot for the NT environment.
bool EnginePath(char (&path)[MAX_PATH]) {
    char name[64];
    wsprintfA(name, "\\spool\\drivers\\%s\\3\\wineps.drv", kNtDriverFolder);
    UINT n = GetSystemDirectoryA(path, MAX_PATH);
    if (n == 0 || n + lstrlenA(name) >= MAX_PATH) return false;
    lstrcatA(path, name);
    return true;
}

char* Text(const std::string& s) {
    return const_cast<char*>(s.c_str());
}

// The driver for one environment: the NT one (version 3) or "Windows 4.0" (version
// 0, the one Wine's spooler looks up while it plays Windows 9x).
bool AddDriver(const std::string& driver, const char* environment, DWORD version, const char* ppd) {
    char engine[MAX_PATH];
    if (!EnginePath(engine)) return false;
    DRIVER_INFO_3A info = {};
    info.cVersion = version;
    info.pName = Text(driver);
    info.pEnvironment = const_cast<char*>(environment);
    info.pDriverPath = engine;
    info.pConfigFile = engine;
    info.pDataFile = const_cast<char*>(ppd);
    const DWORD flags = APD_COPY_NEW_FILES | APD_COPY_FROM_DIRECTORY;
    if (AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE*>(&info), flags)) return true;
    std::fprintf(stderr, "addprinter: driver \"%s\" for %s: error %lu\n", driver.c_str(),
                 environment, GetLastError());
    return false;
}

bool AddQueue(const PrinterEntry& entry) {
    PRINTER_INFO_2A info = {};
    info.pPrinterName = Text(entry.printer);
    info.pPortName = Text(entry.port);
    info.pDriverName = Text(entry.driver);
    info.pPrintProcessor = const_cast<char*>("WinPrint");
    info.pDatatype = const_cast<char*>("RAW");
    HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
    if (printer) {
        ClosePrinter(printer);
        return true;
    }
    std::fprintf(stderr, "addprinter: printer \"%s\": error %lu\n", entry.printer.c_str(),
                 GetLastError());
    return false;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<PrinterEntry> entries;
    if (argc != 3 || !ReadEntries(argv[2], &entries)) {
        std::fprintf(stderr,
                     "usage: addprinter.exe PPD-FILE LIST-FILE (printer TAB driver TAB port)\n");
        return 2;
    }
    for (const PrinterEntry& entry : entries)
        if (!AddDriver(entry.driver, kNtEnvironment, 3, argv[1]) ||
            !AddDriver(entry.driver, "Windows 4.0", 0, argv[1]) || !AddQueue(entry))
            return 1;
    if (!entries.empty() && !SetDefaultPrinterA(entries.front().printer.c_str())) {
        std::fprintf(stderr, "addprinter: default printer: error %lu\n", GetLastError());
        return 1;
    }
    return 0;
}
