#include "platform/sim/SimWindowManager.h"

#include <algorithm>

#include "platform/sim/SimText.h"

namespace kalvora::platform::sim {

SimWindow* SimWindowManager::Mutable(WindowHandle window) {
  auto it = std::find_if(windows_.begin(), windows_.end(), [&](const SimWindow& w) { return w.handle == window; });
  return it == windows_.end() ? nullptr : &*it;
}

const SimWindow* SimWindowManager::Window(WindowHandle window) const {
  return const_cast<SimWindowManager*>(this)->Mutable(window);
}

std::vector<WindowHandle> SimWindowManager::TopLevelWindows() const {
  std::vector<WindowHandle> handles;
  for (const auto& w : windows_) handles.push_back(w.handle);
  return handles;
}

WindowHandle SimWindowManager::FindWindowByClass(const std::wstring& className) {
  for (const auto& w : windows_)
    if (EqualsFolded(w.className, className)) return w.handle;
  return 0;
}

bool SimWindowManager::IsIconic(WindowHandle window) {
  const SimWindow* w = Window(window);
  return w && w->iconic;
}

void SimWindowManager::Restore(WindowHandle window) {
  ++restoreCalls_;
  if (SimWindow* w = Mutable(window)) w->iconic = false;
}

bool SimWindowManager::SetForegroundWindow(WindowHandle window) {
  auto it = std::find_if(windows_.begin(), windows_.end(), [&](const SimWindow& w) { return w.handle == window; });
  if (it == windows_.end() || refuseForeground_) return false;
  std::rotate(windows_.begin(), it, it + 1);  // to the top of the Z order
  foreground_ = window;
  return true;
}

WindowHandle SimWindowManager::AddWindow(const std::wstring& className, const std::wstring& title, bool iconic,
                                         bool foreground) {
  WindowHandle handle = nextHandle_;
  nextHandle_ += 0x0A;
  windows_.insert(windows_.begin(), SimWindow{handle, className, title, iconic});
  if (foreground) foreground_ = handle;
  return handle;
}

bool SimWindowManager::RemoveWindow(WindowHandle window) {
  auto it = std::find_if(windows_.begin(), windows_.end(), [&](const SimWindow& w) { return w.handle == window; });
  if (it == windows_.end()) return false;
  windows_.erase(it);
  if (foreground_ == window) foreground_ = 0;
  return true;
}

void SimWindowManager::SetIconic(WindowHandle window, bool iconic) {
  if (SimWindow* w = Mutable(window)) w->iconic = iconic;
}

std::vector<MonitorArea> SimWindowManager::Monitors() {
  if (!monitors_.empty()) return monitors_;
  const ScreenRect whole{0, 0, screen_.width, screen_.height};
  return {MonitorArea{whole, whole, true}};
}

void SimWindowManager::SetMonitors(std::vector<MonitorArea> monitors) {
  monitors_ = std::move(monitors);
  if (!monitors_.empty()) {
    const ScreenRect& primary = monitors_.front().bounds;
    screen_ = ScreenSize{primary.right - primary.left, primary.bottom - primary.top};
  }
}

}  // namespace kalvora::platform::sim
