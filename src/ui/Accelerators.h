#pragma once
#include <windows.h>

#include <vector>

#include "platform/win32/Handles.h"

namespace kalvora::ui {

// One entry for every shortcut of every menu, hidden items included. A key
// that two items share acts for the first one met: the tree pop-up, then the
// main menu, the window pop-up and the window's own keys.
std::vector<ACCEL> ShortcutTable();

// Owns the accelerator table built from ShortcutTable().
class Accelerators {
 public:
  Accelerators();
  Accelerators(const Accelerators&) = delete;
  Accelerators& operator=(const Accelerators&) = delete;

  // Turns a shortcut key into the window's WM_COMMAND; true when it did.
  // Editing keys stay with the edit box that has the focus.
  bool Translate(HWND window, MSG& message) const;

 private:
  platform::win32::OwnedAcceleratorTable table_;
};

}  // namespace kalvora::ui
