#pragma once
#include <vector>

#include "platform/WindowManager.h"
#include "settings/SettingsStore.h"

namespace kalvora::app {

// Below this a shrunk window is no longer usable.
inline constexpr int MinimumShrunkSize = 100;

// A stored geometry that does not fit the screen is shrunk to the screen's
// right and bottom edges, never moved. A window stored so far off the screen
// that shrinking would leave less than MinimumShrunkSize (left behind by a
// monitor that is gone) starts from the fresh-install geometry instead.
settings::WindowGeometry ShrinkToScreen(settings::WindowGeometry geometry, int screenWidth, int screenHeight);

// A stored geometry on the displays attached now (the primary one first).
// A display whose bounds hold the window's top edge and at least
// MinimumShrunkSize of its width takes it, shrunk to that display's right
// and bottom edges as ShrinkToScreen does on the primary screen. A window on
// no display (its monitor is gone, or a negative Left or Top with nothing
// there) starts from the fresh-install geometry on the work area of the
// display nearest to its top-left corner.
settings::WindowGeometry PlaceOnMonitors(settings::WindowGeometry geometry,
                                         const std::vector<platform::MonitorArea>& monitors);

// The geometry of a fresh installation for this screen.
settings::WindowGeometry DefaultGeometry(int screenHeight);

}  // namespace kalvora::app
