#include "platform/sim/SimWindowTree.h"

#include "platform/sim/SimText.h"

namespace kalvora::platform::sim {

const SimWindowTree::Child* SimWindowTree::Find(WindowHandle window) const {
  for (const auto& [parent, children] : children_)
    for (const Child& child : children)
      if (child.handle == window) return &child;
  return nullptr;
}

void SimWindowTree::Collect(WindowHandle parent, std::vector<WindowHandle>& out) const {
  auto it = children_.find(parent);
  if (it == children_.end()) return;
  for (const Child& child : it->second) {
    out.push_back(child.handle);
    Collect(child.handle, out);
  }
}

std::vector<WindowHandle> SimWindowTree::Descendants(WindowHandle window) {
  std::vector<WindowHandle> out;
  Collect(window, out);
  return out;
}

std::wstring SimWindowTree::ClassName(WindowHandle window) {
  if (const Child* child = Find(window)) return FromAnsi(ToAnsi(child->className));
  if (const SimWindow* top = windows_.Window(window)) return FromAnsi(ToAnsi(top->className));
  return L"";
}

WindowHandle SimWindowTree::FindChild(WindowHandle parent, const std::wstring& className) {
  auto it = children_.find(parent);
  if (it == children_.end()) return 0;
  for (const Child& child : it->second)
    if (EqualsFolded(child.className, className)) return child.handle;
  return 0;
}

std::wstring SimWindowTree::WindowText(WindowHandle window) {
  if (const Child* child = Find(window)) return FromAnsi(ToAnsi(child->text));
  if (const SimWindow* top = windows_.Window(window)) return FromAnsi(ToAnsi(top->title));
  return L"";
}

WindowHandle SimWindowTree::AddChild(WindowHandle parent, const std::wstring& className, const std::wstring& text) {
  const WindowHandle handle = nextHandle_;
  nextHandle_ += 0x0A;
  children_[parent].push_back(Child{handle, className, text});
  return handle;
}

}  // namespace kalvora::platform::sim
