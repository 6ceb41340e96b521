#pragma once
#include <windows.h>

namespace kalvora::ui {

// Centres a dialog over its owner, or on the screen when the owner is not
// shown yet (the first-start dialog comes before the main window), and
// brings it to the front so that it cannot open unseen behind other windows.
void PlaceModalDialog(HWND dialog);

}  // namespace kalvora::ui
