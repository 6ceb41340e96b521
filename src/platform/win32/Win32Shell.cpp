#include "platform/win32/Win32Shell.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/Win32Text.h"

namespace kalvora::platform::win32 {

std::intptr_t Win32Shell::Execute(WindowHandle owner, const std::wstring& verb, const std::wstring& file,
                                  const std::wstring& parameters, const std::wstring& directory,
                                  ShowCommand show) {
  // An empty verb means the file's default verb, which the shell takes from nullptr.
  HINSTANCE result = ::ShellExecuteW(ToHwnd(owner), OrNull(verb), file.c_str(), OrNull(parameters),
                                     OrNull(directory), static_cast<int>(show));
  return reinterpret_cast<std::intptr_t>(result);
}

}  // namespace kalvora::platform::win32
