#pragma once
#include <map>
#include <string>
#include <vector>

#include "platform/WindowTree.h"
#include "platform/sim/SimWindowManager.h"

namespace kalvora::platform::sim {

// Child windows under the machine's top-level windows. Class names match
// ignoring case; texts are read as 8-bit text, so characters outside the
// code page come back as '?'.
class SimWindowTree final : public WindowTree {
 public:
  explicit SimWindowTree(SimWindowManager& windows) : windows_(windows) {}

  std::vector<WindowHandle> TopLevelWindows() override { return windows_.TopLevelWindows(); }
  std::vector<WindowHandle> Descendants(WindowHandle window) override;
  std::wstring ClassName(WindowHandle window) override;
  WindowHandle FindChild(WindowHandle parent, const std::wstring& className) override;
  std::wstring WindowText(WindowHandle window) override;

  // A new last child of the parent (a top-level window or another child).
  WindowHandle AddChild(WindowHandle parent, const std::wstring& className, const std::wstring& text = {});

 private:
  struct Child {
    WindowHandle handle;
    std::wstring className;
    std::wstring text;
  };
  const Child* Find(WindowHandle window) const;
  void Collect(WindowHandle parent, std::vector<WindowHandle>& out) const;

  SimWindowManager& windows_;
  std::map<WindowHandle, std::vector<Child>> children_;  // by parent, in creation order
  WindowHandle nextHandle_ = 0x7f000010;  // apart from the top-level handles
};

}  // namespace kalvora::platform::sim
