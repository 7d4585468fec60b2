// K42.EXE: the command line on Windows 95 to XP. Arguments and output are the system's
// code page 932; printers are reached through the spooler exactly as TBK42 sends.
#include "text/SharedTexts.h"
#include "cli/Commands.h"
#include "cli/ReadFile.h"
#include "printer/win32/Spooler.h"
#include "text/Cp932.h"

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

// The folder part of a path ("." for a bare name), cut on a character boundary.
std::string FolderOf(const std::string& path) {
    std::size_t cut = cp932::FindLastBackslash(path);
    std::size_t other = path.find_last_of("/:");
    if (other != std::string::npos && (cut == std::string::npos || other > cut)) cut = other;
    return cut == std::string::npos ? std::string(".") : path.substr(0, cut + 1);
}

// A new empty file in the folder of `path`, made by the system under a name of its own.
bool FreshName(const std::string& path, std::string& fresh) {
    char name[MAX_PATH];
    if (!GetTempFileNameA(FolderOf(path).c_str(), "k42", 0, name)) return false;
    fresh = name;
    return true;
}

class Win32System : public cli::System {
public:
    bool ReadFile(const std::string& name, std::size_t limit,
                  std::vector<unsigned char>& data) override {
        return cli::ReadFileBounded(name, limit, data);
    }

    // Written beside the file first; the old file is moved aside until the new one is in
    // its place (the Windows 9x family cannot replace a file in one move). Both names are
    // new files of the folder, so no file of the user's is ever overwritten on the way.
    bool WriteFile(const std::string& name, const std::vector<unsigned char>& data) override {
        std::string temporary, previous;
        if (!FreshName(name, temporary)) return false;
        std::FILE* file = std::fopen(temporary.c_str(), "wb");
        bool written = file && WriteAll(file, data);
        written = file && std::fclose(file) == 0 && written;
        bool existed = GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES;
        bool aside = !existed || (FreshName(name, previous) && DeleteFileA(previous.c_str()) &&
                                  MoveFileA(name.c_str(), previous.c_str()));
        if (written && aside && MoveFileA(temporary.c_str(), name.c_str())) {
            if (existed) DeleteFileA(previous.c_str());
            return true;
        }
        if (existed && aside) MoveFileA(previous.c_str(), name.c_str());
        DeleteFileA(temporary.c_str());
        return false;
    }

    void Out(const std::string& text) override {
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fflush(stdout);
    }

    void Err(const std::string& text) override { std::fwrite(text.data(), 1, text.size(), stderr); }

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
