#pragma once
#include "settings/SettingsStore.h"

namespace kalvora::app {

// Below this a shrunk window is no longer usable.
inline constexpr int MinimumShrunkSize = 100;

// A stored geometry that does not fit the screen is shrunk to the screen's
// right and bottom edges, never moved. A window stored so far off the screen
// that shrinking would leave less than MinimumShrunkSize (left behind by a
// monitor that is gone) starts from the fresh-install geometry instead.
settings::WindowGeometry ShrinkToScreen(settings::WindowGeometry geometry, int screenWidth, int screenHeight);

// The geometry of a fresh installation for this screen.
settings::WindowGeometry DefaultGeometry(int screenHeight);

}  // namespace kalvora::app
