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
// A display holds a window whose top edge lies on it with enough of its
// width to take hold of.
bool Holds(const platform::ScreenRect& r, const settings::WindowGeometry& g) {
  const int overlap = std::min(r.right, g.left + g.width) - std::max(r.left, g.left);
  return g.top >= r.top && g.top < r.bottom && overlap >= MinimumShrunkSize;
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

// The fresh-install geometry on a display, fitted into its work area.
settings::WindowGeometry DefaultOn(const platform::MonitorArea& monitor) {
  settings::WindowGeometry g = DefaultGeometry(monitor.bounds.bottom - monitor.bounds.top);
  g.left += monitor.bounds.left;
  g.top += monitor.bounds.top;
  FitInto(g.left, g.width, monitor.workArea.left, monitor.workArea.right);
  FitInto(g.top, g.height, monitor.workArea.top, monitor.workArea.bottom);
  return g;
}
}  // namespace

settings::WindowGeometry PlaceOnMonitors(settings::WindowGeometry geometry,
                                         const std::vector<platform::MonitorArea>& monitors) {
  if (monitors.empty()) return geometry;
  for (const auto& monitor : monitors) {
    if (!Holds(monitor.bounds, geometry)) continue;
    const auto shrunk = Shrink(geometry, monitor.bounds.right, monitor.bounds.bottom);
    if (shrunk.width >= MinimumShrunkSize && shrunk.height >= MinimumShrunkSize) return shrunk;
    return DefaultOn(monitor);
  }
  const auto nearest = std::min_element(monitors.begin(), monitors.end(), [&](const auto& a, const auto& b) {
    return DistanceSquared(a.workArea, geometry.left, geometry.top) <
           DistanceSquared(b.workArea, geometry.left, geometry.top);
  });
  return DefaultOn(*nearest);
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
