#pragma once
#include <string>
#include <vector>

#include "platform/WindowHandle.h"

namespace kalvora::platform {

// Walking other programs' windows and reading their texts. Class names and
// texts cross the boundary as 8-bit text in the ANSI code page.
class WindowTree {
 public:
  virtual ~WindowTree() = default;
  // Every top-level window, topmost first (EnumWindows).
  virtual std::vector<WindowHandle> TopLevelWindows() = 0;
  // Every descendant of the window, depth first, each child before its own
  // children (EnumChildWindows).
  virtual std::vector<WindowHandle> Descendants(WindowHandle window) = 0;
  // "" for a window that does not exist.
  virtual std::wstring ClassName(WindowHandle window) = 0;
  // The first direct child of the parent with this class (FindWindowEx); 0 when none.
  virtual WindowHandle FindChild(WindowHandle parent, const std::wstring& className) = 0;
  // The window's text as WM_GETTEXT gives it; "" for no window.
  virtual std::wstring WindowText(WindowHandle window) = 0;
};

}  // namespace kalvora::platform
