#include "platform/win32/Win32ShellPlaces.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <wrl/client.h>

#include "platform/win32/Win32SystemText.h"
#include "platform/win32/Win32Text.h"

namespace kalvora::platform::win32 {

bool Win32ShellPlaces::OpenSpecialFolder(int csidl, WindowHandle owner) {
  LPITEMIDLIST items = nullptr;
  if (FAILED(::SHGetSpecialFolderLocation(ToHwnd(owner), csidl, &items)) || items == nullptr) return false;
  // The item list is the place itself; a path would not exist for most of them.
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_IDLIST | SEE_MASK_FLAG_DDEWAIT;
  info.hwnd = ToHwnd(owner);
  info.lpVerb = "open";
  info.lpIDList = items;
  info.nShow = SW_SHOWNORMAL;
  const bool opened = ::ShellExecuteExA(&info) != FALSE;
  Microsoft::WRL::ComPtr<IMalloc> allocator;
  if (SUCCEEDED(::SHGetMalloc(allocator.GetAddressOf())) && allocator) allocator->Free(items);
  return opened;
}

std::uintptr_t Win32ShellPlaces::RunCommandLine(const std::wstring& commandLine, ShowCommand show) {
  const std::string ansi = Win32SystemText().ToAnsi(commandLine);
  return static_cast<std::uintptr_t>(::WinExec(ansi.c_str(), static_cast<UINT>(show)));
}

std::wstring Win32ShellPlaces::SystemDirectory() {
  char buffer[MAX_PATH + 1] = {};
  const UINT length = ::GetSystemDirectoryA(buffer, MAX_PATH);
  if (length == 0 || length > MAX_PATH) return {};
  return Win32SystemText().FromAnsi(std::string_view(buffer, length));
}

}  // namespace kalvora::platform::win32
