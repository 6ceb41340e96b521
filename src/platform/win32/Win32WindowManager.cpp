#include "platform/win32/Win32WindowManager.h"

#include "platform/win32/Win32Text.h"

namespace kalvora::platform::win32 {

WindowHandle Win32WindowManager::FindWindowByClass(const std::wstring& className) {
  return FromHwnd(::FindWindowW(className.c_str(), nullptr));
}

bool Win32WindowManager::IsIconic(WindowHandle window) { return ::IsIconic(ToHwnd(window)) != FALSE; }

void Win32WindowManager::Restore(WindowHandle window) { ::ShowWindow(ToHwnd(window), SW_RESTORE); }

bool Win32WindowManager::SetForegroundWindow(WindowHandle window) {
  return ::SetForegroundWindow(ToHwnd(window)) != FALSE;
}

ScreenSize Win32WindowManager::PrimaryScreenSize() {
  return ScreenSize{::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

}  // namespace kalvora::platform::win32
