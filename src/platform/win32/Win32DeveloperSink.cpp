#include "platform/win32/Win32DeveloperSink.h"

#include <windows.h>

#include <string>

namespace kalvora::platform::win32 {

void Win32DeveloperSink::Report(std::wstring_view site, std::wstring_view what) {
  const std::wstring line = DeveloperLine(site, what);
  ::OutputDebugStringW(line.c_str());
}

}  // namespace kalvora::platform::win32
