#include "platform/win32/Win32Drives.h"

#include <windows.h>

namespace kalvora::platform::win32 {

unsigned Win32Drives::DriveType(const std::wstring& root) { return ::GetDriveTypeW(root.c_str()); }

}  // namespace kalvora::platform::win32
