#pragma once
#include <windows.h>

namespace kalvora::ui {

// A plain container for a group of controls. It passes its controls'
// commands, notifications and scroll messages on to its parent, so the main
// window handles every control in one place.
HWND CreatePanel(HWND parent, int id);

}  // namespace kalvora::ui
