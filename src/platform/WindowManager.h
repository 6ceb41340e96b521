#pragma once
#include <string>
#include <vector>

#include "platform/WindowHandle.h"

namespace kalvora::platform {

struct ScreenSize {
  int width = 0;
  int height = 0;
};

// A rectangle in virtual-screen pixels: right and bottom lie outside it.
struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// One display: its whole rectangle and the part windows may use (without
// the taskbar and docked bars).
struct MonitorArea {
  ScreenRect bounds;
  ScreenRect workArea;
  bool primary = false;
};

// Finding other top-level windows and bringing them forward.
class WindowManager {
 public:
  virtual ~WindowManager() = default;
  virtual WindowHandle FindWindowByClass(const std::wstring& className) = 0;
  virtual bool IsIconic(WindowHandle window) = 0;
  virtual void Restore(WindowHandle window) = 0;  // ShowWindow SW_RESTORE
  virtual bool SetForegroundWindow(WindowHandle window) = 0;
  // The primary screen in pixels.
  virtual ScreenSize PrimaryScreenSize() = 0;
  // The displays attached now, the primary one first.
  virtual std::vector<MonitorArea> Monitors() = 0;
};

}  // namespace kalvora::platform
