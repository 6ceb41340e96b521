#pragma once
#include <windows.h>

#include "app/main/MainWindowView.h"
#include "app/main/TRevistoWindow.h"
#include "platform/win32/Handles.h"
#include "ui/Accelerators.h"
#include "ui/Fonts.h"
#include "ui/SidePanels.h"
#include "ui/TraceMemo.h"
#include "ui/TreePages.h"

namespace kalvora::ui {

// The Win32 main window, class "TRevistoWindow": draws the window logic's
// layout and forwards the user's events to it.
class MainWindow : public app::MainWindowView {
 public:
  MainWindow();
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window and its controls, hidden. False when the system refused.
  bool Create();
  // Events go to logic from now on; nullptr stops them.
  void Attach(app::TRevistoWindow* logic) { logic_ = logic; }
  // Shows the window for the first time, maximised when Maximize() was called.
  void Show();
  // Turns shortcut keys into commands; true when the message was one.
  bool TranslateShortcut(MSG& message) { return accelerators_.Translate(window_, message); }
  HWND Hwnd() const { return window_; }
  // Destroys the window while its logic still exists.
  void Destroy();

  // MainWindowView
  platform::WindowHandle Handle() override;
  void Render(const window::MainWindowLayout& layout) override;
  void SetTimer(app::TimerId timer, unsigned intervalMs, bool enabled) override;
  app::WindowPlacement GetPlacement() override;
  void SetNormalGeometry(const settings::WindowGeometry& geometry) override;
  void Maximize() override;
  void SetTopmost(bool topmost) override;
  void Close() override;
  void AttachTrees(const std::array<tree::TreeModel*, 4>& trees, platform::ImageListHandle allTreeImages) override;
  void ShowHint(const std::wstring& text) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControls();
  void Arrange();
  void OnControlCommand(int id, int code);
  LRESULT OnNotify(const NMHDR& header);
  void ShowContextMenu(HWND source, LPARAM screenPoint);
  void RenderMenuBar(const window::MainWindowLayout& layout);

  HWND window_ = nullptr;
  app::TRevistoWindow* logic_ = nullptr;
  Font font_;
  TreePages pages_;
  SidePanels panels_;
  TraceMemo trace_;
  Accelerators accelerators_;
  // Taken off the window on WM_DESTROY, so that only this owner destroys it.
  platform::win32::OwnedMenu menuBar_;
  bool showMaximized_ = false;
};

}  // namespace kalvora::ui
