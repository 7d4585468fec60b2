#include "printer/win32/Win32ParallelPort.h"

#include <windows.h>

#include <cstring>
#include <utility>

namespace printer {
namespace {

constexpr DWORD kDeviceIdControlCode = 17;

PortFactory& CurrentFactory() {
    static PortFactory factory;
    return factory;
}

Sleeper& CurrentSleeper() {
    static Sleeper sleeper;
    return sleeper;
}

void SystemSleep(unsigned milliseconds) {
    Sleep(milliseconds);
}

} // namespace

struct Win32ParallelPort::State {
    HANDLE handle = INVALID_HANDLE_VALUE;
    COMMTIMEOUTS timeouts = {}; // as last read; SetTimeouts changes three members
};

Win32ParallelPort::Win32ParallelPort() : state(new State) {}

Win32ParallelPort::~Win32ParallelPort() {
    Close();
}

bool Win32ParallelPort::Open() {
    Close();
    state->handle = CreateFileA("LPT1:", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    return state->handle != INVALID_HANDLE_VALUE;
}

bool Win32ParallelPort::GetTimeouts(PortTimeouts& timeouts) {
    if (!GetCommTimeouts(state->handle, &state->timeouts)) return false;
    timeouts = {state->timeouts.ReadIntervalTimeout, state->timeouts.ReadTotalTimeoutConstant,
                state->timeouts.WriteTotalTimeoutConstant};
    return true;
}

bool Win32ParallelPort::SetTimeouts(const PortTimeouts& timeouts) {
    state->timeouts.ReadIntervalTimeout = timeouts.readInterval;
    state->timeouts.ReadTotalTimeoutConstant = timeouts.readTotalConstant;
    state->timeouts.WriteTotalTimeoutConstant = timeouts.writeTotalConstant;
    return SetCommTimeouts(state->handle, &state->timeouts) != 0;
}

bool Win32ParallelPort::QueryDeviceId(DeviceIdBuffer& buffer) {
    // A zero-initialised global buffer: the driver's text keeps a terminator after it.
    HGLOBAL output = GlobalAlloc(GPTR, kDeviceIdBufferSize);
    if (!output) return false;
    DWORD returned = 0;
    bool ok = DeviceIoControl(state->handle, kDeviceIdControlCode, nullptr, 0, output,
                              kDeviceIdBufferSize, &returned, nullptr) != 0;
    if (ok) std::memcpy(buffer.data(), output, buffer.size());
    GlobalFree(output);
    return ok;
}

std::size_t Win32ParallelPort::Write(const unsigned char* data, std::size_t size) {
    DWORD written = 0;
    if (!WriteFile(state->handle, data, static_cast<DWORD>(size), &written, nullptr)) return 0;
    return written;
}

bool Win32ParallelPort::Read(unsigned char* buffer, std::size_t capacity, std::size_t& received) {
    DWORD read = 0;
    bool ok = ReadFile(state->handle, buffer, static_cast<DWORD>(capacity), &read, nullptr) != 0;
    received = read;
    return ok;
}

void Win32ParallelPort::Close() {
    if (state->handle == INVALID_HANDLE_VALUE) return;
    CloseHandle(state->handle);
    state->handle = INVALID_HANDLE_VALUE;
}

unsigned long Win32ParallelPort::LastError() const {
    return GetLastError();
}

void SetPortFactory(PortFactory factory, Sleeper sleeper) {
    CurrentFactory() = std::move(factory);
    CurrentSleeper() = std::move(sleeper);
}

std::unique_ptr<ParallelPort> OpenPortObject() {
    if (CurrentFactory()) return CurrentFactory()();
    return std::unique_ptr<ParallelPort>(new Win32ParallelPort);
}

ReadBackResult ReadBackFromPrinter() {
    std::unique_ptr<ParallelPort> port = OpenPortObject();
    const Sleeper& sleeper = CurrentSleeper();
    return ExchangeSettings(*port, sleeper ? sleeper : Sleeper(SystemSleep));
}

} // namespace printer
