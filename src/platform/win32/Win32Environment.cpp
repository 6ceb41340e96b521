#include "platform/win32/Win32Environment.h"

#include <windows.h>

namespace kalvora::platform::win32 {

std::wstring Win32Environment::Get(const std::wstring& name) {
  // Size first; the variable may grow between the calls, so ask again then.
  DWORD size = ::GetEnvironmentVariableW(name.c_str(), nullptr, 0);
  while (size != 0) {
    std::wstring value(size, L'\0');
    const DWORD length = ::GetEnvironmentVariableW(name.c_str(), value.data(), size);
    if (length < size) {
      value.resize(length);
      return value;
    }
    size = length;
  }
  return {};
}

}  // namespace kalvora::platform::win32
