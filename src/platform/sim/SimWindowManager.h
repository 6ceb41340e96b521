#pragma once
#include <string>
#include <vector>

#include "platform/WindowManager.h"

namespace kalvora::platform::sim {

struct SimWindow {
  WindowHandle handle = 0;
  std::wstring className;
  std::wstring title;
  bool iconic = false;
};

// The machine's top-level windows in Z order, topmost first. Checked under
// Wine: class names match ignoring case, FindWindow gives the topmost match
// (the one made last unless another was brought forward since), and unknown
// handles are neither iconic nor made foreground.
class SimWindowManager final : public WindowManager {
 public:
  WindowHandle FindWindowByClass(const std::wstring& className) override;
  bool IsIconic(WindowHandle window) override;
  void Restore(WindowHandle window) override;
  bool SetForegroundWindow(WindowHandle window) override;
  ScreenSize PrimaryScreenSize() override { return screen_; }
  // Unless set, one display: the primary screen, its work area the whole.
  std::vector<MonitorArea> Monitors() override;

  // A new window goes on top; handles are unique, non-zero and fit 32 bits.
  WindowHandle AddWindow(const std::wstring& className, const std::wstring& title = {}, bool iconic = false,
                         bool foreground = false);
  bool RemoveWindow(WindowHandle window);
  // nullptr for an unknown handle.
  const SimWindow* Window(WindowHandle window) const;
  // Every top-level window, topmost first.
  std::vector<WindowHandle> TopLevelWindows() const;
  void SetIconic(WindowHandle window, bool iconic);
  WindowHandle ForegroundWindow() const { return foreground_; }
  // Simulates the foreground lock: SetForegroundWindow then fails.
  void RefuseForeground(bool refuse) { refuseForeground_ = refuse; }
  int RestoreCalls() const { return restoreCalls_; }
  void SetPrimaryScreenSize(ScreenSize size) { screen_ = size; }
  // The primary one first, its bounds at the origin; the primary screen's
  // size follows it.
  void SetMonitors(std::vector<MonitorArea> monitors);

 private:
  SimWindow* Mutable(WindowHandle window);

  std::vector<SimWindow> windows_;  // topmost first
  WindowHandle nextHandle_ = 0x10040;
  WindowHandle foreground_ = 0;
  bool refuseForeground_ = false;
  int restoreCalls_ = 0;
  ScreenSize screen_{1280, 1024};
  std::vector<MonitorArea> monitors_;
};

}  // namespace kalvora::platform::sim
