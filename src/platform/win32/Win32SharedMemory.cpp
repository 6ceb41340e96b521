#include "platform/win32/Win32SharedMemory.h"

#include <windows.h>

#include <cstdint>
#include <utility>

#include "platform/win32/Handles.h"
#include "platform/win32/Win32Text.h"

namespace kalvora::platform::win32 {
namespace {

class Win32SharedBlock final : public SharedBlock {
 public:
  Win32SharedBlock(OwnedHandle mapping, OwnedView view) : mapping_(std::move(mapping)), view_(std::move(view)) {}

  void* Data() override { return view_.Get(); }

 private:
  // Members go in reverse order: the view is unmapped before the mapping closes.
  OwnedHandle mapping_;
  OwnedView view_;
};

}  // namespace

SharedMemory::Created Win32SharedMemory::CreateNamed(const std::wstring& name, std::size_t size) {
  const auto size64 = static_cast<std::uint64_t>(size);
  OwnedHandle mapping(::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE,
                                           static_cast<DWORD>(size64 >> 32), static_cast<DWORD>(size64),
                                           name.c_str()));
  if (!mapping) {
    const DWORD code = ::GetLastError();
    throw SystemError(code, SystemMessage(code));
  }
  const bool existedBefore = ::GetLastError() == ERROR_ALREADY_EXISTS;
  OwnedView view(::MapViewOfFile(mapping.Get(), FILE_MAP_ALL_ACCESS, 0, 0, size));
  if (!view) {
    // A block that exists but is smaller than asked, say: the caller must
    // not get a handle without a view to write through.
    const DWORD code = ::GetLastError();
    mapping.Close();
    throw SystemError(code, SystemMessage(code));
  }
  Created created;
  created.block = std::make_unique<Win32SharedBlock>(std::move(mapping), std::move(view));
  created.existedBefore = existedBefore;
  return created;
}

std::unique_ptr<SharedBlock> Win32SharedMemory::OpenNamed(const std::wstring& name, std::size_t size) {
  OwnedHandle mapping(::OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, name.c_str()));
  if (!mapping) return nullptr;
  OwnedView view(::MapViewOfFile(mapping.Get(), FILE_MAP_ALL_ACCESS, 0, 0, size));
  if (!view) return nullptr;
  return std::make_unique<Win32SharedBlock>(std::move(mapping), std::move(view));
}

}  // namespace kalvora::platform::win32
