#include "app/main/WindowGeometry.h"

namespace kalvora::app {

namespace {
settings::WindowGeometry Shrink(settings::WindowGeometry geometry, int screenWidth, int screenHeight) {
  if (geometry.top + geometry.height > screenHeight) geometry.height = screenHeight - geometry.top;
  if (geometry.left + geometry.width > screenWidth) geometry.width = screenWidth - geometry.left;
  return geometry;
}
}  // namespace

settings::WindowGeometry DefaultGeometry(int screenHeight) {
  settings::WindowGeometry geometry;
  geometry.top = screenHeight - geometry.height - 40;
  return geometry;
}

settings::WindowGeometry ShrinkToScreen(settings::WindowGeometry geometry, int screenWidth, int screenHeight) {
  geometry = Shrink(geometry, screenWidth, screenHeight);
  if (geometry.width < MinimumShrunkSize || geometry.height < MinimumShrunkSize)
    geometry = Shrink(DefaultGeometry(screenHeight), screenWidth, screenHeight);
  return geometry;
}

}  // namespace kalvora::app
