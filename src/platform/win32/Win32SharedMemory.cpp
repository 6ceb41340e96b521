#include "platform/win32/Win32SharedMemory.h"

#include <windows.h>

#include <cstdint>

#include "platform/win32/Win32Text.h"

namespace kalvora::platform::win32 {
namespace {

class Win32SharedBlock final : public SharedBlock {
 public:
  Win32SharedBlock(HANDLE mapping, void* view) : mapping_(mapping), view_(view) {}
  ~Win32SharedBlock() override {
    ::UnmapViewOfFile(view_);
    ::CloseHandle(mapping_);
  }
  Win32SharedBlock(const Win32SharedBlock&) = delete;
  Win32SharedBlock& operator=(const Win32SharedBlock&) = delete;

  void* Data() override { return view_; }

 private:
  HANDLE mapping_;
  void* view_;
};

}  // namespace

SharedMemory::Created Win32SharedMemory::CreateNamed(const std::wstring& name, std::size_t size) {
  const auto size64 = static_cast<std::uint64_t>(size);
  HANDLE mapping = ::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE,
                                        static_cast<DWORD>(size64 >> 32), static_cast<DWORD>(size64),
                                        name.c_str());
  if (mapping == nullptr) {
    const DWORD code = ::GetLastError();
    throw SystemError(code, SystemMessage(code));
  }
  const bool existedBefore = ::GetLastError() == ERROR_ALREADY_EXISTS;
  void* view = ::MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, size);
  if (view == nullptr) {
    // A block that exists but is smaller than asked, say: the caller must
    // not get a handle without a view to write through.
    const DWORD code = ::GetLastError();
    ::CloseHandle(mapping);
    throw SystemError(code, SystemMessage(code));
  }
  Created created;
  created.block = std::make_unique<Win32SharedBlock>(mapping, view);
  created.existedBefore = existedBefore;
  return created;
}

std::unique_ptr<SharedBlock> Win32SharedMemory::OpenNamed(const std::wstring& name, std::size_t size) {
  HANDLE mapping = ::OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, name.c_str());
  if (mapping == nullptr) return nullptr;
  void* view = ::MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, size);
  if (view == nullptr) {
    ::CloseHandle(mapping);
    return nullptr;
  }
  return std::make_unique<Win32SharedBlock>(mapping, view);
}

}  // namespace kalvora::platform::win32
