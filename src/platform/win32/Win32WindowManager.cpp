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

namespace {
ScreenRect FromRect(const RECT& r) { return ScreenRect{r.left, r.top, r.right, r.bottom}; }

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  if (!::GetMonitorInfoW(monitor, &info)) return TRUE;
  auto& monitors = *reinterpret_cast<std::vector<MonitorArea>*>(data);
  const MonitorArea area{FromRect(info.rcMonitor), FromRect(info.rcWork), (info.dwFlags & MONITORINFOF_PRIMARY) != 0};
  if (area.primary)
    monitors.insert(monitors.begin(), area);
  else
    monitors.push_back(area);
  return TRUE;
}
}  // namespace

std::vector<MonitorArea> Win32WindowManager::Monitors() {
  std::vector<MonitorArea> monitors;
  ::EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

}  // namespace kalvora::platform::win32
