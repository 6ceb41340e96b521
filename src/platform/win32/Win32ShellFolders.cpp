#include "platform/win32/Win32ShellFolders.h"

#include <windows.h>
#include <shlobj.h>

namespace kalvora::platform::win32 {

std::wstring Win32ShellFolders::SpecialFolderPath(SpecialFolder folder) {
  wchar_t buffer[MAX_PATH] = {};
  if (FAILED(::SHGetFolderPathW(nullptr, static_cast<int>(folder), nullptr, SHGFP_TYPE_CURRENT, buffer)))
    return L"";
  std::wstring path(buffer);
  while (!path.empty() && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
  return path;
}

}  // namespace kalvora::platform::win32
