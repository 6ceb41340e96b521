#pragma once
#include <string>

#include "platform/WindowHandle.h"

namespace kalvora::platform {

struct ScreenSize {
  int width = 0;
  int height = 0;
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
};

}  // namespace kalvora::platform
