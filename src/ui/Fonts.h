#pragma once
#include <windows.h>

#include "platform/win32/Handles.h"

namespace kalvora::ui {

// Owns one GDI font.
using Font = platform::win32::OwnedFont;

// The character height for a point size on the screen's resolution.
int PointsToHeight(int points);
// Arial, the font of the main window's controls and trees.
Font MakeArial(int points, bool bold = false);
// The same face and size as font, in bold.
Font MakeBoldOf(HFONT font);

// Pixels designed for 96 DPI, for the screen's resolution.
int ScaleForDpi(int pixels);

}  // namespace kalvora::ui
