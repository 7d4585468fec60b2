// benchstart: how long programs take from their start to their first visible window.
//
//   benchstart.exe RUNS KEY=COMMAND-LINE [KEY=COMMAND-LINE...]
//
// Each run starts every command once, in turns (the order alternates between runs so
// neither is always first), waits for the first visible top-level window of the new
// process, ends the process and prints "sample start.KEY MICROSECONDS" and the process's
// peak working set by then, "sample memory.KEY BYTES". All runs share this process's Wine
// server and prefix.
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Program {
    std::string key;
    std::string commandLine;
};

struct Search {
    DWORD process;
    bool found;
};

BOOL CALLBACK LookAtWindow(HWND window, LPARAM context) {
    Search& search = *reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.process || !IsWindowVisible(window)) return TRUE;
    search.found = true;
    return FALSE;
}

bool HasVisibleWindow(DWORD process) {
    Search search = {process, false};
    EnumWindows(LookAtWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / frequency.QuadPart;
}

struct Start {
    double microseconds = -1; // negative when no window came within 30 s
    double peakBytes = 0;
};

// Microseconds to the first window and the peak working set by then.
Start TimeStart(const Program& program) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::vector<char> line(program.commandLine.begin(), program.commandLine.end());
    line.push_back('\0');
    LARGE_INTEGER start, now;
    QueryPerformanceCounter(&start);
    Start result;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fprintf(stderr, "benchstart: cannot start %s (error %lu)\n",
                     program.commandLine.c_str(), GetLastError());
        return result;
    }
    for (;;) {
        bool shown = HasVisibleWindow(process.dwProcessId);
        QueryPerformanceCounter(&now);
        if (shown) {
            result.microseconds = Seconds(start, now) * 1e6;
            PROCESS_MEMORY_COUNTERS memory = {};
            memory.cb = sizeof memory;
            if (GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory))
                result.peakBytes = static_cast<double>(memory.PeakWorkingSetSize);
            break;
        }
        if (Seconds(start, now) > 30 || WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0)
            break;
        Sleep(1);
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (result.microseconds < 0)
        std::fprintf(stderr, "benchstart: no window from %s\n", program.key.c_str());
    return result;
}

} // namespace

int main(int argc, char** argv) {
    int runs = argc > 2 ? std::atoi(argv[1]) : 0;
    std::vector<Program> programs;
    for (int i = 2; i < argc; ++i) {
        std::string argument = argv[i];
        std::size_t equals = argument.find('=');
        if (equals == std::string::npos || equals == 0)
            runs = 0;
        else
            programs.push_back({argument.substr(0, equals), argument.substr(equals + 1)});
    }
    if (runs <= 0 || programs.empty()) {
        std::fprintf(stderr, "usage: benchstart.exe RUNS KEY=COMMAND-LINE...\n");
        return 2;
    }
    int failures = 0;
    for (int run = 0; run < runs; ++run) {
        for (std::size_t turn = 0; turn < programs.size(); ++turn) {
            const Program& program = programs[(turn + run) % programs.size()];
            Start measured = TimeStart(program);
            if (measured.microseconds < 0) {
                ++failures;
                continue;
            }
            std::printf("sample start.%s %.0f\n", program.key.c_str(), measured.microseconds);
            if (measured.peakBytes > 0)
                std::printf("sample memory.%s %.0f\n", program.key.c_str(), measured.peakBytes);
            std::fflush(stdout);
            Sleep(100); // lets the ended process's resources go before the next start
        }
    }
    return failures ? 1 : 0;
}
