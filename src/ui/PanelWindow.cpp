#include "ui/PanelWindow.h"

namespace kalvora::ui {

namespace {
constexpr const wchar_t* PanelClassName = L"KalvoraPanel";

LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CONTEXTMENU:
      return ::SendMessageW(::GetParent(window), message, wParam, lParam);
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

void RegisterPanelClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = PanelProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = PanelClassName;
  ::RegisterClassExW(&windowClass);  // an already registered class is fine
}
}  // namespace

HWND CreatePanel(HWND parent, int id) {
  // Not clipping its children: a group box leaves its inside to the panel's background.
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  RegisterPanelClass(instance);
  return ::CreateWindowExW(WS_EX_CONTROLPARENT, PanelClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, 0,
                           0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

}  // namespace kalvora::ui
