#include "ui/DialogPlacement.h"

namespace kalvora::ui {

void PlaceModalDialog(HWND dialog) {
  HWND owner = ::GetWindow(dialog, GW_OWNER);
  const bool ownerShown = owner && ::IsWindowVisible(owner) && !::IsIconic(owner);

  RECT area = {};
  if (ownerShown) {
    ::GetWindowRect(owner, &area);
  } else {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(owner ? owner : dialog, MONITOR_DEFAULTTOPRIMARY), &monitor);
    area = monitor.rcWork;
    // Without a visible owner the dialog has no taskbar button of its own.
    ::SetWindowLongPtrW(dialog, GWL_EXSTYLE, ::GetWindowLongPtrW(dialog, GWL_EXSTYLE) | WS_EX_APPWINDOW);
  }

  RECT box = {};
  ::GetWindowRect(dialog, &box);
  const int width = box.right - box.left;
  const int height = box.bottom - box.top;
  int left = area.left + ((area.right - area.left) - width) / 2;
  int top = area.top + ((area.bottom - area.top) - height) / 2;

  // Keep the whole dialog on the owner's monitor even when the owner hangs off it.
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  ::GetMonitorInfoW(::MonitorFromRect(&area, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  if (left + width > work.right) left = work.right - width;
  if (top + height > work.bottom) top = work.bottom - height;
  if (left < work.left) left = work.left;
  if (top < work.top) top = work.top;

  ::SetWindowPos(dialog, HWND_TOP, left, top, 0, 0, SWP_NOSIZE);
  ::SetForegroundWindow(dialog);
}

}  // namespace kalvora::ui
