#include "ui/MainWindow.h"

#include <commctrl.h>

#include "common/Guarded.h"
#include "common/ProductConstants.h"
#include "app/main/MenuDefinitions.h"
#include "ui/ControlIds.h"
#include "ui/Menus.h"
#include "ui/ResourceIds.h"

namespace kalvora::ui {

namespace {
constexpr int ControlFontPoints = 9;
constexpr int MinimumTrackSize = 240;
constexpr int TreeMargin = 4;

// Offset of the work area from its monitor's corner: normal-state positions
// of the placement API are relative to the work area.
POINT WorkAreaOffset(HWND window) {
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  ::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
  return {monitor.rcWork.left - monitor.rcMonitor.left, monitor.rcWork.top - monitor.rcMonitor.top};
}

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(IDI_KALVORA));
  windowClass.hIconSm = static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(IDI_KALVORA), IMAGE_ICON,
                                                        ::GetSystemMetrics(SM_CXSMICON),
                                                        ::GetSystemMetrics(SM_CYSMICON), 0));
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  // Other programs find the running instance by this class name.
  windowClass.lpszClassName = MainWindowClassName;
  ::RegisterClassExW(&windowClass);
}

const window::MainWindowLayout& DefaultLayout() {
  static const window::MainWindowLayout layout;
  return layout;
}
}  // namespace

MainWindow::MainWindow() = default;

MainWindow::~MainWindow() { Destroy(); }

bool MainWindow::Create() {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  RegisterWindowClass(instance, WindowProc);
  ::CreateWindowExW(WS_EX_CONTROLPARENT, MainWindowClassName, MainWindowCaption().c_str(),
                    WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, nullptr, nullptr, instance, this);
  return window_ != nullptr;
}

void MainWindow::Destroy() {
  if (window_) ::DestroyWindow(window_);
}

void MainWindow::Show() {
  ::ShowWindow(window_, showMaximized_ ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
  ::UpdateWindow(window_);
  ::SetForegroundWindow(window_);
}

void MainWindow::CreateControls() {
  font_ = MakeArial(ControlFontPoints);
  pages_.Create(window_, font_.Get());
  panels_.Create(window_, font_.Get());
  trace_.Create(window_, font_.Get());
  menuBar_.Attach(BuildMenuBar(app::MainMenu1(), DefaultLayout()));
}

platform::WindowHandle MainWindow::Handle() { return reinterpret_cast<platform::WindowHandle>(window_); }

void MainWindow::Render(const window::MainWindowLayout& layout) {
  if (!window_) return;
  wchar_t caption[256] = {};
  ::GetWindowTextW(window_, caption, 256);
  if (!layout.caption.empty() && layout.caption != caption) ::SetWindowTextW(window_, layout.caption.c_str());

  static const settings::MainWindowSettings defaults;
  pages_.Render(layout);
  panels_.Render(layout, logic_ ? logic_->WindowSettings() : defaults);
  trace_.Render(layout);
  RenderMenuBar(layout);
  Arrange();
}

void MainWindow::RenderMenuBar(const window::MainWindowLayout& layout) {
  UpdateChecks(menuBar_.Get(), app::MainMenu1(), layout);
  HMENU wanted = layout.menuBarVisible ? menuBar_.Get() : nullptr;
  if (::GetMenu(window_) != wanted) ::SetMenu(window_, wanted);  // resizes the client area; WM_SIZE follows
  else if (wanted) ::DrawMenuBar(window_);
}

void MainWindow::Arrange() {
  RECT client = {};
  ::GetClientRect(window_, &client);
  RECT rest = trace_.Arrange(panels_.Arrange(client));
  const int margin = ScaleForDpi(TreeMargin);
  ::InflateRect(&rest, -margin, -margin);
  if (rest.right < rest.left) rest.right = rest.left;
  if (rest.bottom < rest.top) rest.bottom = rest.top;
  pages_.Arrange(rest);
}

void MainWindow::SetTimer(app::TimerId timer, unsigned intervalMs, bool enabled) {
  const auto id = static_cast<UINT_PTR>(timer);
  if (enabled)
    ::SetTimer(window_, id, intervalMs, nullptr);
  else
    ::KillTimer(window_, id);
}

app::WindowPlacement MainWindow::GetPlacement() {
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  ::GetWindowPlacement(window_, &placement);
  const POINT offset = WorkAreaOffset(window_);
  const RECT& bounds = placement.rcNormalPosition;
  app::WindowPlacement result;
  result.normal = !::IsZoomed(window_) && !::IsIconic(window_);
  result.minimized = ::IsIconic(window_) != FALSE;
  result.restoresMaximized = (placement.flags & WPF_RESTORETOMAXIMIZED) != 0;
  result.geometry.left = bounds.left + offset.x;
  result.geometry.top = bounds.top + offset.y;
  result.geometry.width = bounds.right - bounds.left;
  result.geometry.height = bounds.bottom - bounds.top;
  return result;
}

void MainWindow::SetNormalGeometry(const settings::WindowGeometry& geometry) {
  if (!::IsZoomed(window_) && !::IsIconic(window_)) {
    // Moving never shows a hidden window.
    ::MoveWindow(window_, geometry.left, geometry.top, geometry.width, geometry.height, ::IsWindowVisible(window_));
    return;
  }
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  ::GetWindowPlacement(window_, &placement);
  const POINT offset = WorkAreaOffset(window_);
  placement.rcNormalPosition = {geometry.left - offset.x, geometry.top - offset.y,
                                geometry.left - offset.x + geometry.width, geometry.top - offset.y + geometry.height};
  placement.flags = 0;
  placement.showCmd = ::IsIconic(window_) ? SW_SHOWMINNOACTIVE : SW_SHOWMAXIMIZED;
  ::SetWindowPlacement(window_, &placement);
}

void MainWindow::Maximize() {
  showMaximized_ = true;
  if (::IsWindowVisible(window_)) ::ShowWindow(window_, SW_MAXIMIZE);
}

void MainWindow::SetTopmost(bool topmost) {
  ::SetWindowPos(window_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void MainWindow::Close() { ::PostMessageW(window_, WM_CLOSE, 0, 0); }

void MainWindow::AttachTrees(const std::array<tree::TreeModel*, 4>& trees, platform::ImageListHandle allTreeImages) {
  pages_.AttachTrees(trees, reinterpret_cast<HIMAGELIST>(allTreeImages),
                     [this](int page, tree::NodeId node, bool expanded) {
                       if (logic_) logic_->OnTreeNodeExpanded(page, node, expanded);
                     });
}

void MainWindow::ShowHint(const std::wstring& text) { panels_.ShowHint(text); }

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return ::DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
    return ::DefWindowProcW(window, message, wParam, lParam);
  }
  // A message whose handling failed gets the system's default answer, not a bare 0.
  LRESULT result = 0;
  const bool handled = GuardedOr(L"MainWindow.HandleMessage", false, [&] {
    result = self->HandleMessage(message, wParam, lParam);
    return true;
  });
  return handled ? result : ::DefWindowProcW(window, message, wParam, lParam);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateControls();
      return 0;
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) Arrange();
      return 0;
    case WM_GETMINMAXINFO: {
      auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
      limits->ptMinTrackSize = {ScaleForDpi(MinimumTrackSize), ScaleForDpi(MinimumTrackSize)};
      return 0;
    }
    case WM_TIMER:
      if (logic_ && wParam >= static_cast<WPARAM>(app::TimerId::FirstRun) &&
          wParam <= static_cast<WPARAM>(app::TimerId::FolderShortcuts))
        logic_->OnTimer(static_cast<app::TimerId>(wParam));
      return 0;
    case WM_COMMAND:
      if (lParam == 0) {
        const app::Command command = CommandOfId(LOWORD(wParam));
        if (logic_ && command != app::Command::None) logic_->OnCommand(command);
      } else {
        OnControlCommand(LOWORD(wParam), HIWORD(wParam));
      }
      return 0;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_HSCROLL:
      if (logic_ && lParam != 0 && ::GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == IdRecordInterval)
        panels_.ReadToolPanel(logic_->WindowSettings());
      return 0;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item.CtlType != ODT_TAB) break;
      pages_.DrawTab(item);
      return TRUE;
    }
    case WM_CONTEXTMENU:
      ShowContextMenu(reinterpret_cast<HWND>(wParam), lParam);
      return 0;
    case WM_ACTIVATEAPP:
      if (logic_) logic_->OnActivateApp(wParam != FALSE);
      return 0;
    case WM_EXITSIZEMOVE:
      if (logic_) logic_->OnExitSizeMove();
      return 0;
    case WM_CLOSE:
      if (!logic_ || logic_->FormCloseQuery()) ::DestroyWindow(window_);
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      // The session ends without a WM_CLOSE: the process goes once this returns.
      if (wParam && logic_) logic_->OnEndSession();
      return 0;
    case WM_DESTROY:
      // The trees stop following their models, which may go before the window object does.
      pages_.DetachTrees();
      // Off the window, which would destroy it too: menuBar_ owns the bar, shown or not.
      ::SetMenu(window_, nullptr);
      ::PostQuitMessage(0);
      return 0;
  }
  return ::DefWindowProcW(window_, message, wParam, lParam);
}

void MainWindow::OnControlCommand(int id, int code) {
  if (!logic_) return;
  switch (id) {
    case IdSmartRecord:
      if (code == BN_CLICKED) panels_.ReadToolPanel(logic_->WindowSettings());
      break;
    case IdRecordList:
      if (code == LBN_SELCHANGE) logic_->OnRecordSelected(panels_.SelectedRecord());
      break;
    case IdSearchButton:
      if (code == BN_CLICKED) logic_->OnCommand(app::Command::BtnSSSearch);
      break;
    case IdStopButton:
      // Long operations look at the flag between items.
      if (code == BN_CLICKED) logic_->OnCommand(app::Command::BtnStop);
      break;
    default:
      break;
  }
}

LRESULT MainWindow::OnNotify(const NMHDR& header) {
  if (LRESULT result = 0; pages_.HandleTreeNotify(header, result)) return result;
  if (header.hwndFrom == pages_.TabControl() && header.code == TCN_SELCHANGE && logic_) {
    const int page = pages_.SelectedPage();
    if (page >= 0) logic_->OnPageSelected(page);
    Render(logic_->Layout());
  }
  return 0;
}

void MainWindow::ShowContextMenu(HWND source, LPARAM screenPoint) {
  POINT point = {static_cast<short>(LOWORD(screenPoint)), static_cast<short>(HIWORD(screenPoint))};
  if (screenPoint == -1) {
    // From the keyboard: open at the top left of the focused control.
    RECT box = {};
    ::GetWindowRect(source ? source : window_, &box);
    point = {box.left + ScaleForDpi(8), box.top + ScaleForDpi(8)};
  }
  const window::MainWindowLayout& layout = logic_ ? logic_->Layout() : DefaultLayout();
  const platform::win32::OwnedMenu menu(
      BuildPopupMenu(pages_.IsTree(source) ? app::PmDocTree() : app::PmApp(), layout));
  ::TrackPopupMenuEx(menu.Get(), TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, point.x, point.y, window_, nullptr);
}

}  // namespace kalvora::ui
