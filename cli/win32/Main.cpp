// K42.EXE: the command line on Windows 95 to XP. Arguments and output are the system's
// code page 932; printers are reached through the spooler exactly as TBK42 sends.
#include "app/Texts.h"
#include "cli/Commands.h"
#include "printer/win32/Spooler.h"

#include <windows.h>

#include <cstdio>

namespace {

bool WriteAll(std::FILE* file, const std::vector<unsigned char>& data) {
    return std::fwrite(data.data(), 1, data.size(), file) == data.size();
}

// The spooler's port of `printerName`, or "" when the local printers do not list it.
std::string PortOf(const std::string& printerName) {
    printer::Win32PrinterSource source;
    for (const printer::PrinterInfo2& info : source.LocalPrinters())
        if (info.printerName == printerName) return info.portName;
    return "";
}

class Win32System : public cli::System {
public:
    bool ReadFile(const std::string& name, std::size_t limit,
                  std::vector<unsigned char>& data) override {
        std::FILE* file = std::fopen(name.c_str(), "rb");
        if (!file) return false;
        data.resize(limit + 1);
        std::size_t count = std::fread(data.data(), 1, data.size(), file);
        bool failed = std::ferror(file) != 0;
        std::fclose(file);
        data.resize(count);
        return !failed;
    }

    // Written beside the file first; the old file is moved aside until the new one is in
    // its place (the Windows 9x family cannot replace a file in one move).
    bool WriteFile(const std::string& name, const std::vector<unsigned char>& data) override {
        std::string temporary = name + ".new", previous = name + ".old";
        std::FILE* file = std::fopen(temporary.c_str(), "wb");
        if (!file) return false;
        bool written = WriteAll(file, data);
        written = std::fclose(file) == 0 && written;
        if (!written) {
            DeleteFileA(temporary.c_str());
            return false;
        }
        bool existed = GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES;
        DeleteFileA(previous.c_str());
        if (existed && !MoveFileA(name.c_str(), previous.c_str())) {
            DeleteFileA(temporary.c_str());
            return false;
        }
        if (!MoveFileA(temporary.c_str(), name.c_str())) {
            if (existed) MoveFileA(previous.c_str(), name.c_str());
            DeleteFileA(temporary.c_str());
            return false;
        }
        if (existed) DeleteFileA(previous.c_str());
        return true;
    }

    void Out(const std::string& text) override {
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fflush(stdout);
    }

    void Err(const std::string& text) override {
        std::fwrite(text.data(), 1, text.size(), stderr);
    }

    // As TBK42: a printer on "FILE:" is refused, every other failure is the spooler's.
    bool Send(const std::string& printerName, const unsigned char* data, std::size_t size,
              std::string& why) override {
        if (PortOf(printerName) == "FILE:") {
            why = kSendToFilePort;
            return false;
        }
        if (printer::SendRawJob(printerName, data, size, printer::CurrentFamily()) ==
            printer::SendResult::Sent)
            return true;
        why = kPrinterUnusable;
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    Win32System system;
    return cli::RunCommand(args, system);
}
