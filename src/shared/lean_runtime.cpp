// The C++ runtime's allocation and failure entry points, small, for setup.exe and unwise.exe.
//
// The programs are compiled without exceptions, yet the library's own versions of these
// functions throw, and throwing drags in the unwinder, the exception classes with their
// copy-on-write strings, a name demangler for the terminate message and winpthread: most of
// a program's size. Nothing in the programs catches, so a failure ended the process before;
// here it ends it at once, as abort() does. Only the runtime programs link this file: the
// tool and the test programs keep the library's throwing versions.
#include <windows.h>

#include <cstddef>
#include <cstdlib>
#include <new>

namespace {

void* TryAllocate(std::size_t size) { return HeapAlloc(GetProcessHeap(), 0, size ? size : 1); }

void* Allocate(std::size_t size) {
  void* block = TryAllocate(size);
  if (!block) std::abort();
  return block;
}

void Release(void* block) {
  if (block) HeapFree(GetProcessHeap(), 0, block);
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return TryAllocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return TryAllocate(size); }
void operator delete(void* block) noexcept { Release(block); }
void operator delete[](void* block) noexcept { Release(block); }
void operator delete(void* block, std::size_t) noexcept { Release(block); }
void operator delete[](void* block, std::size_t) noexcept { Release(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { Release(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { Release(block); }

namespace std {

// What the standard containers and strings call on a broken precondition or a size limit.
[[noreturn]] void __throw_bad_alloc() { std::abort(); }
[[noreturn]] void __throw_bad_array_new_length() { std::abort(); }
[[noreturn]] void __throw_bad_cast() { std::abort(); }
[[noreturn]] void __throw_bad_function_call() { std::abort(); }
[[noreturn]] void __throw_logic_error(const char*) { std::abort(); }
[[noreturn]] void __throw_domain_error(const char*) { std::abort(); }
[[noreturn]] void __throw_invalid_argument(const char*) { std::abort(); }
[[noreturn]] void __throw_length_error(const char*) { std::abort(); }
[[noreturn]] void __throw_out_of_range(const char*) { std::abort(); }
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
[[noreturn]] void __throw_runtime_error(const char*) { std::abort(); }
[[noreturn]] void __throw_range_error(const char*) { std::abort(); }
[[noreturn]] void __throw_overflow_error(const char*) { std::abort(); }
[[noreturn]] void __throw_underflow_error(const char*) { std::abort(); }
[[noreturn]] void __throw_system_error(int) { std::abort(); }

}  // namespace std
