#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "window/MainWindowLayout.h"

namespace kalvora::ui {

// TntMemo1: the debug trace, a read-only multi-line box along the bottom of
// the window, shown while tracing is on.
class TraceMemo {
 public:
  void Create(HWND parent, HFONT font);
  void Render(const window::MainWindowLayout& layout);
  // Takes its strip from the bottom of area when shown; returns the rest.
  RECT Arrange(RECT area);

 private:
  HWND memo_ = nullptr;
  bool visible_ = false;
  std::vector<std::wstring> shownLines_;
};

}  // namespace kalvora::ui
