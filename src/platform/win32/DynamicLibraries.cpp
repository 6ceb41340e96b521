#include "platform/win32/DynamicLibraries.h"

#include <map>
#include <mutex>
#include <utility>

#include "common/WideText.h"
#include "platform/win32/Handles.h"

namespace kalvora::platform::win32 {
namespace {

// Loads a library from the system folder only, so that a DLL of the same name
// next to the program (or in the current folder) is never picked up. Systems
// without the safe search flag refuse it with ERROR_INVALID_PARAMETER; they
// get the plain search.
HMODULE LoadSystemLibrary(const std::wstring& name) {
  // No "cannot find the file" box when the library is missing.
  const UINT oldMode = ::SetErrorMode(SEM_NOOPENFILEERRORBOX);
  ::SetErrorMode(oldMode | SEM_NOOPENFILEERRORBOX);
  HMODULE module = ::LoadLibraryExW(name.c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (module == nullptr && ::GetLastError() == ERROR_INVALID_PARAMETER) module = ::LoadLibraryW(name.c_str());
  ::SetErrorMode(oldMode);
  return module;
}

class Cache {
 public:
  HMODULE Library(const std::wstring& name) {
    std::lock_guard<std::mutex> lock(mutex_);
    return LibraryLocked(name);
  }

  FARPROC Address(const std::wstring& library, const std::string& function) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto key = std::make_pair(text::LowerAscii(library), function);
    auto found = functions_.find(key);
    if (found != functions_.end()) return found->second;
    HMODULE module = LibraryLocked(library);
    FARPROC address = module != nullptr ? ::GetProcAddress(module, function.c_str()) : nullptr;
    functions_.emplace(std::move(key), address);
    return address;
  }

 private:
  HMODULE LibraryLocked(const std::wstring& name) {
    // Library names ignore case, as the system's loader does.
    auto key = text::LowerAscii(name);
    auto found = libraries_.find(key);
    if (found != libraries_.end()) return found->second.Get();
    OwnedLibrary module(LoadSystemLibrary(name));
    return libraries_.emplace(std::move(key), std::move(module)).first->second.Get();
  }

  std::mutex mutex_;
  std::map<std::wstring, OwnedLibrary> libraries_;
  std::map<std::pair<std::wstring, std::string>, FARPROC> functions_;
};

Cache& TheCache() {
  static Cache cache;
  return cache;
}

}  // namespace

HMODULE DynamicLibraries::Library(const std::wstring& library) { return TheCache().Library(library); }

FARPROC DynamicLibraries::Address(const std::wstring& library, const std::string& function) {
  return TheCache().Address(library, function);
}

}  // namespace kalvora::platform::win32
