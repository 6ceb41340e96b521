#pragma once
#include "platform/WindowManager.h"

namespace kalvora::platform::win32 {

class Win32WindowManager final : public WindowManager {
 public:
  WindowHandle FindWindowByClass(const std::wstring& className) override;
  bool IsIconic(WindowHandle window) override;
  void Restore(WindowHandle window) override;
  bool SetForegroundWindow(WindowHandle window) override;
  ScreenSize PrimaryScreenSize() override;
  std::vector<MonitorArea> Monitors() override;
};

}  // namespace kalvora::platform::win32
