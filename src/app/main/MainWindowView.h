#pragma once
#include <array>
#include <string>

#include "app/main/Commands.h"
#include "window/MainWindowLayout.h"
#include "platform/ImageLists.h"
#include "platform/WindowHandle.h"
#include "settings/SettingsStore.h"
#include "tree/TreeModel.h"

namespace kalvora::app {

struct WindowPlacement {
  bool normal = true;                 // neither maximised nor minimised
  settings::WindowGeometry geometry;  // the normal-state bounds
  bool minimized = false;
  // Minimised from the maximised state, so restoring maximises it again.
  bool restoresMaximized = false;
};

// The real window behind the portable window logic: the Win32 main window,
// or a recording fake in tests.
class MainWindowView {
 public:
  virtual ~MainWindowView() = default;
  virtual platform::WindowHandle Handle() = 0;
  // Draws the layout: captions, pages, panels, menus, status bar, fonts.
  virtual void Render(const window::MainWindowLayout& layout) = 0;
  virtual void SetTimer(TimerId timer, unsigned intervalMs, bool enabled) = 0;
  virtual WindowPlacement GetPlacement() = 0;
  virtual void SetNormalGeometry(const settings::WindowGeometry& geometry) = 0;
  virtual void Maximize() = 0;
  // Topmost or not, keeping position and size.
  virtual void SetTopmost(bool topmost) = 0;
  virtual void Close() = 0;
  // Shows the four trees, by page (All, Application, File Folder, Web
  // Page), and mirrors every later change of the models. The All tree shows
  // the image list. Called once, before any node exists.
  virtual void AttachTrees(const std::array<tree::TreeModel*, 4>& trees, platform::ImageListHandle allTreeImages) = 0;
  // PnlHint alone, without drawing the rest of the layout: called for every
  // path a tree walk looks at.
  virtual void ShowHint(const std::wstring& text) = 0;
};

}  // namespace kalvora::app
