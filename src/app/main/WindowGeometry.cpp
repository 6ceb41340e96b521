#include "app/main/WindowGeometry.h"

#include <algorithm>
#include <cstdint>

namespace kalvora::app {

namespace {
settings::WindowGeometry Shrink(settings::WindowGeometry geometry, int screenWidth, int screenHeight) {
  if (geometry.top + geometry.height > screenHeight) geometry.height = screenHeight - geometry.top;
  if (geometry.left + geometry.width > screenWidth) geometry.width = screenWidth - geometry.left;
  return geometry;
}
bool Contains(const platform::ScreenRect& r, int x, int y) {
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

// Squared distance from a point to a rectangle, 0 inside it.
std::int64_t DistanceSquared(const platform::ScreenRect& r, int x, int y) {
  const std::int64_t dx = x < r.left ? r.left - x : x >= r.right ? x - (r.right - 1) : 0;
  const std::int64_t dy = y < r.top ? r.top - y : y >= r.bottom ? y - (r.bottom - 1) : 0;
  return dx * dx + dy * dy;
}

// One axis of a move into [low, high): the length fits, then the start.
void FitInto(int& start, int& length, int low, int high) {
  length = std::min(length, high - low);
  start = std::clamp(start, low, high - length);
}
}  // namespace

settings::WindowGeometry PlaceOnMonitors(settings::WindowGeometry geometry,
                                         const std::vector<platform::MonitorArea>& monitors) {
  if (monitors.empty()) return geometry;
  const platform::ScreenRect& primary = monitors.front().bounds;
  for (const auto& monitor : monitors) {
    if (!Contains(monitor.bounds, geometry.left, geometry.top)) continue;
    const auto shrunk = Shrink(geometry, monitor.bounds.right, monitor.bounds.bottom);
    if (shrunk.width >= MinimumShrunkSize && shrunk.height >= MinimumShrunkSize) return shrunk;
    return ShrinkToScreen(DefaultGeometry(primary.bottom - primary.top), primary.right - primary.left,
                          primary.bottom - primary.top);
  }
  const auto nearest = std::min_element(monitors.begin(), monitors.end(), [&](const auto& a, const auto& b) {
    return DistanceSquared(a.workArea, geometry.left, geometry.top) <
           DistanceSquared(b.workArea, geometry.left, geometry.top);
  });
  const platform::ScreenRect& area = nearest->workArea;
  FitInto(geometry.left, geometry.width, area.left, area.right);
  FitInto(geometry.top, geometry.height, area.top, area.bottom);
  return geometry;
}

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
