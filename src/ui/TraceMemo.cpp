#include "ui/TraceMemo.h"

#include <algorithm>

#include "ui/ControlIds.h"
#include "ui/Fonts.h"

namespace kalvora::ui {
namespace {
constexpr int kMemoHeight = 160;
}  // namespace

void TraceMemo::Create(HWND parent, HFONT font) {
  memo_ = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                            WS_CHILD | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL |
                                ES_AUTOHSCROLL,
                            0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdTraceMemo)),
                            ::GetModuleHandleW(nullptr), nullptr);
  if (memo_) ::SendMessageW(memo_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void TraceMemo::Render(const window::MainWindowLayout& layout) {
  if (!memo_) return;
  if (layout.traceLines != shownLines_) {
    // Lines are only ever added while tracing; append what is new so the
    // box keeps its place instead of being refilled.
    const bool appended = layout.traceLines.size() > shownLines_.size() &&
                          std::equal(shownLines_.begin(), shownLines_.end(), layout.traceLines.begin());
    std::wstring text;
    for (std::size_t i = appended ? shownLines_.size() : 0; i < layout.traceLines.size(); ++i)
      text += layout.traceLines[i] + L"\r\n";
    if (appended) {
      const LRESULT end = ::SendMessageW(memo_, WM_GETTEXTLENGTH, 0, 0);
      ::SendMessageW(memo_, EM_SETSEL, static_cast<WPARAM>(end), end);
      ::SendMessageW(memo_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    } else {
      ::SetWindowTextW(memo_, text.c_str());
    }
    shownLines_ = layout.traceLines;
  }
  if (layout.traceVisible != visible_) {
    visible_ = layout.traceVisible;
    ::ShowWindow(memo_, visible_ ? SW_SHOW : SW_HIDE);
  }
}

RECT TraceMemo::Arrange(RECT area) {
  if (!memo_ || !visible_) return area;
  const int height = ScaleForDpi(kMemoHeight);
  const int top = area.bottom - height > area.top ? area.bottom - height : area.top;
  ::MoveWindow(memo_, area.left, top, area.right - area.left, area.bottom - top, TRUE);
  area.bottom = top;
  return area;
}

}  // namespace kalvora::ui
