#pragma once
#include "platform/WindowTree.h"

namespace kalvora::platform::win32 {

class Win32WindowTree final : public WindowTree {
 public:
  std::vector<WindowHandle> TopLevelWindows() override;
  std::vector<WindowHandle> Descendants(WindowHandle window) override;
  std::wstring ClassName(WindowHandle window) override;
  WindowHandle FindChild(WindowHandle parent, const std::wstring& className) override;
  std::wstring WindowText(WindowHandle window) override;
};

}  // namespace kalvora::platform::win32
