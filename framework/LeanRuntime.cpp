// The release builds of TBK42 and TBSetup are compiled without exceptions. These
// definitions replace the C++ runtime's throwing helpers, its allocation operators and
// its terminate handler, whose library versions bring in the exception unwinder, the
// explicit string instantiations (char, wchar_t and the old copy-on-write string), the
// random-device code and the symbol demangler: well over half of the program's size.
// Where the library would throw (a length beyond the string's maximum, memory
// exhausted, an empty std::function called) the process ends as it would for an
// uncaught exception.
#include <bits/functexcept.h>
#include <windows.h>

#include <cstdlib>
#include <new>
#include <string>

namespace {

[[noreturn]] void Fail() {
    std::abort();
}

// One lock for the first use of every function-local static, which TBSetup's worker
// and user-interface threads can meet at the same time. It is recursive, because one
// static's initialiser may use another, and needs no set-up: InterlockedExchange is the
// one atomic operation every 32-bit Windows has.
volatile LONG guardBusy = 0;
volatile DWORD guardOwner = 0;
int guardDepth = 0;

void LockGuards() {
    DWORD me = GetCurrentThreadId();
    if (guardOwner == me) {
        ++guardDepth;
        return;
    }
    while (InterlockedExchange(&guardBusy, 1)) Sleep(0);
    guardOwner = me;
    guardDepth = 1;
}

void UnlockGuards() {
    if (--guardDepth) return;
    guardOwner = 0;
    InterlockedExchange(&guardBusy, 0);
}

bool Initialised(const void* guard) {
    return *static_cast<const volatile char*>(guard) != 0;
}

} // namespace

// The compiler's protocol for function-local statics: acquire answers 1 when the caller
// is to run the initialiser (and holds the lock until release or abort), 0 when it ran.
extern "C" int __cxa_guard_acquire(void* guard) {
    if (Initialised(guard)) return 0;
    LockGuards();
    if (!Initialised(guard)) return 1;
    UnlockGuards();
    return 0;
}

extern "C" void __cxa_guard_release(void* guard) {
    *static_cast<volatile char*>(guard) = 1;
    UnlockGuards();
}

extern "C" void __cxa_guard_abort(void*) {
    UnlockGuards();
}

extern "C" void __cxa_pure_virtual() {
    Fail();
}

namespace std {

void __throw_bad_alloc() {
    Fail();
}
void __throw_bad_array_new_length() {
    Fail();
}
void __throw_length_error(const char*) {
    Fail();
}
void __throw_logic_error(const char*) {
    Fail();
}
void __throw_out_of_range(const char*) {
    Fail();
}
void __throw_out_of_range_fmt(const char*, ...) {
    Fail();
}
void __throw_invalid_argument(const char*) {
    Fail();
}
void __throw_bad_function_call() {
    Fail();
}

} // namespace std

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    Fail();
}

} // namespace __gnu_cxx

void* operator new(std::size_t size) {
    void* block = std::malloc(size ? size : 1);
    if (!block) Fail();
    return block;
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return std::malloc(size ? size : 1);
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete[](void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}

// The strings, instantiated here without exceptions; the linker keeps only the members
// the programs use.
template class std::basic_string<char>;
template class std::basic_string<wchar_t>;
