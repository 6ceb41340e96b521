#pragma once
#include <windows.h>

#include <string>

namespace kalvora::platform::win32 {

// Functions that older systems lack are looked up at run time. Each library
// is loaded once and kept until the process ends; each function address is
// looked up once and kept, a missing one too (as nullptr).
class DynamicLibraries {
 public:
  // The loaded library, or nullptr when it cannot be loaded.
  static HMODULE Library(const std::wstring& library);
  // The function's address, or nullptr when the library or the function is missing.
  static FARPROC Address(const std::wstring& library, const std::string& function);
};

// Typed form of DynamicLibraries::Address, e.g.
//   auto isWow64 = ProcAddress<BOOL(WINAPI*)(HANDLE, PBOOL)>(L"kernel32.dll", "IsWow64Process");
template <class Function>
Function ProcAddress(const std::wstring& library, const std::string& function) {
  // Going through void(*)() is the portable way to change a function pointer's type.
  using Generic = void (*)();
  return reinterpret_cast<Function>(reinterpret_cast<Generic>(DynamicLibraries::Address(library, function)));
}

}  // namespace kalvora::platform::win32
