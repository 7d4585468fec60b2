#include "printer/win32/Spooler.h"

#include "framework/System.h"

#include <windows.h>
#include <winspool.h>

namespace printer {
namespace {

std::string Text(const char* text) {
    return text ? text : "";
}

// A zero-filled block of the process heap, freed with the object.
class HeapBuffer {
public:
    explicit HeapBuffer(DWORD size)
        : data(size ? static_cast<BYTE*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size))
                    : nullptr) {}
    ~HeapBuffer() {
        if (data) HeapFree(GetProcessHeap(), 0, data);
    }
    HeapBuffer(const HeapBuffer&) = delete;
    HeapBuffer& operator=(const HeapBuffer&) = delete;
    BYTE* const data;
};

// EnumPrintersA in two calls (size, then records), each record turned into `T` by
// `convert`. A failing enumeration yields nothing.
template <typename Record, typename T, typename Convert>
std::vector<T> Enumerate(DWORD flags, const std::string* name, DWORD level, Convert convert) {
    std::string nameCopy = name ? *name : std::string();
    char* nameArg = name ? nameCopy.data() : nullptr;
    DWORD needed = 0, count = 0;
    EnumPrintersA(flags, nameArg, level, nullptr, 0, &needed, &count);
    HeapBuffer buffer(needed);
    std::vector<T> result;
    if (!buffer.data || !EnumPrintersA(flags, nameArg, level, buffer.data, needed, &needed, &count))
        return result;
    const Record* records = reinterpret_cast<const Record*>(buffer.data);
    for (DWORD i = 0; i < count; ++i)
        result.push_back(convert(records[i]));
    return result;
}

PrinterInfo2 FromInfo2(const PRINTER_INFO_2A& info) {
    return {Text(info.pServerName), Text(info.pPrinterName), Text(info.pPortName),
            Text(info.pDriverName), static_cast<std::uint32_t>(info.Status)};
}

PrinterInfo4 FromInfo4(const PRINTER_INFO_4A& info) {
    PrinterInfo4 entry{Text(info.pPrinterName), std::nullopt,
                       static_cast<std::uint32_t>(info.Attributes)};
    if (info.pServerName) entry.serverName = info.pServerName;
    return entry;
}

std::vector<PrinterInfo2> EnumerateInfo2(DWORD flags, const std::string* name) {
    return Enumerate<PRINTER_INFO_2A, PrinterInfo2>(flags, name, 2, FromInfo2);
}

// OpenPrinterA with no datatype, no device mode and the given access right.
HANDLE OpenWithAccess(const std::string& printerName, DWORD access) {
    std::string name = printerName;
    PRINTER_DEFAULTSA defaults = {nullptr, nullptr, access};
    HANDLE handle = nullptr;
    return OpenPrinterA(name.data(), &handle, &defaults) ? handle : nullptr;
}

// The spooler calls of the raw send on one printer handle.
class Win32Spooler : public Spooler {
public:
    ~Win32Spooler() override = default;

    bool Open(const std::string& printerName, bool accessUse) override {
        handle = OpenWithAccess(printerName, accessUse ? PRINTER_ACCESS_USE : 0);
        return handle != nullptr;
    }

    bool ReadStatus(std::uint32_t& status) override {
        DWORD needed = 0;
        GetPrinterA(handle, 2, nullptr, 0, &needed);
        HeapBuffer buffer(needed);
        if (!buffer.data || !GetPrinterA(handle, 2, buffer.data, needed, &needed)) return false;
        status = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data)->Status;
        return true;
    }

    bool BeginDocument(const char* documentName) override {
        DOC_INFO_1A doc = {const_cast<char*>(documentName), nullptr, nullptr};
        return StartDocPrinterA(handle, 1, reinterpret_cast<BYTE*>(&doc)) != 0;
    }

    void Reset() override { ResetPrinterA(handle, nullptr); }

    std::size_t Write(const unsigned char* data, std::size_t size) override {
        DWORD written = 0;
        if (!WritePrinter(handle, const_cast<unsigned char*>(data), static_cast<DWORD>(size),
                          &written))
            return 0;
        return written;
    }

    void EndDocument() override { EndDocPrinter(handle); }

    void Close() override {
        SetLastError(0);
        ClosePrinter(handle);
        handle = nullptr;
    }

private:
    HANDLE handle = nullptr;
};

} // namespace

WindowsFamily CurrentFamily() {
    return FamilyOfPlatform(framework::RunningWindows().platformId);
}

std::vector<PrinterInfo2> Win32PrinterSource::LocalPrinters() {
    return EnumerateInfo2(PRINTER_ENUM_LOCAL, nullptr);
}

std::vector<PrinterInfo4> Win32PrinterSource::Connections() {
    return Enumerate<PRINTER_INFO_4A, PrinterInfo4>(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS,
                                                    nullptr, 4, FromInfo4);
}

std::vector<PrinterInfo2> Win32PrinterSource::ServerPrinters(const std::string* server) {
    return EnumerateInfo2(PRINTER_ENUM_NAME, server);
}

bool Win32PrinterSource::CanOpenForUse(const std::string& printerName) {
    HANDLE handle = OpenWithAccess(printerName, PRINTER_ACCESS_USE);
    if (handle) ClosePrinter(handle);
    return handle != nullptr;
}

namespace {

std::vector<PrinterRow> ListNow(WindowsFamily family) {
    Win32PrinterSource source;
    return ListModelPrinters(source, family);
}

// The one prefetch: its thread until the listing has been taken, its family and list.
struct Prefetch {
    HANDLE thread = nullptr;
    WindowsFamily family;
    std::vector<PrinterRow> rows;
} prefetch;

DWORD WINAPI ListInBackground(LPVOID) {
    prefetch.rows = ListNow(prefetch.family);
    return 0;
}

} // namespace

void PrefetchUsablePrinters(WindowsFamily family) {
    if (prefetch.thread) return;
    prefetch.family = family;
    DWORD id = 0; // Windows 95 refuses a null thread id
    prefetch.thread = CreateThread(nullptr, 0, ListInBackground, nullptr, 0, &id);
}

std::vector<PrinterRow> ListUsablePrinters(WindowsFamily family) {
    if (!prefetch.thread) return ListNow(family);
    WaitForSingleObject(prefetch.thread, INFINITE);
    CloseHandle(prefetch.thread);
    prefetch.thread = nullptr;
    std::vector<PrinterRow> rows;
    rows.swap(prefetch.rows);
    return prefetch.family == family ? rows : ListNow(family);
}

namespace {
SpoolerFactory spoolerFactory;
} // namespace

void SetSpoolerFactory(SpoolerFactory factory) {
    spoolerFactory = std::move(factory);
}

SendResult SendRawJob(const std::string& printerName, const unsigned char* data, std::size_t size,
                      WindowsFamily family) {
    std::unique_ptr<Spooler> spooler =
        spoolerFactory ? spoolerFactory() : std::make_unique<Win32Spooler>();
    return RunRawJob(*spooler, family, printerName, data, size);
}

} // namespace printer
