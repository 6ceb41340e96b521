#include "app/main/WindowGeometry.h"

#include <gtest/gtest.h>

namespace kalvora::app {
namespace {

TEST(WindowGeometry, ShrinksToTheScreenWithoutMoving) {
  struct Case {
    settings::WindowGeometry stored;
    settings::WindowGeometry shown;
  };
  const int w = 1280, h = 1024;
  const Case cases[] = {
      {{150, 284, 420, 700}, {150, 284, 420, 700}},      // fits
      {{100, 100, 2000, 1500}, {100, 100, 1180, 924}},   // too big both ways
      {{1000, 0, 420, 700}, {1000, 0, 280, 700}},        // past the right edge
      {{0, 500, 420, 700}, {0, 500, 420, 524}},          // below the bottom
      {{-50, -20, 300, 300}, {-50, -20, 300, 300}},      // negative positions are kept
      // Left behind by a monitor that is gone: the fresh-install geometry.
      {{3000, 100, 420, 700}, {150, 284, 420, 700}},
  };
  for (const auto& c : cases) {
    const auto g = ShrinkToScreen(c.stored, w, h);
    EXPECT_EQ(g.left, c.shown.left);
    EXPECT_EQ(g.top, c.shown.top);
    EXPECT_EQ(g.width, c.shown.width);
    EXPECT_EQ(g.height, c.shown.height);
  }
}

// A window is put on the displays there are now; one whose display is gone
// comes onto the nearest work area instead of starting where nobody sees it.
TEST(WindowGeometry, PlacedOnTheDisplaysThereAreNow) {
  using platform::MonitorArea;
  // 1280x1024 with a taskbar of 40 at the bottom.
  const std::vector<MonitorArea> one = {{{0, 0, 1280, 1024}, {0, 0, 1280, 984}, true}};
  // The same and a second display right of it, a little lower.
  const std::vector<MonitorArea> two = {one[0], {{1280, 100, 3200, 1180}, {1280, 100, 3200, 1140}, false}};
  struct Case {
    const char* name;
    const std::vector<MonitorArea>& monitors;
    settings::WindowGeometry stored;
    settings::WindowGeometry shown;
  };
  const Case cases[] = {
      {"fits", one, {150, 284, 420, 700}, {150, 284, 420, 700}},
      {"too big: shrunk to the edges, as before", one, {100, 100, 2000, 1500}, {100, 100, 1180, 924}},
      {"a little off the left edge: kept", one, {-50, 100, 420, 700}, {-50, 100, 420, 700}},
      {"too little of it on the display: fresh install", one, {1250, 100, 420, 700}, {150, 284, 420, 700}},
      {"left of every display", one, {-1500, 200, 420, 700}, {150, 284, 420, 700}},
      {"above every display", one, {300, -800, 420, 700}, {150, 284, 420, 700}},
      {"right of the only display", one, {3000, 100, 420, 700}, {150, 284, 420, 700}},
      {"on the second display: kept", two, {1500, 300, 600, 500}, {1500, 300, 600, 500}},
      {"on the second display, too big: shrunk to its edges", two, {1500, 300, 2000, 1000}, {1500, 300, 1700, 880}},
      {"where the second display was", one, {1500, 300, 600, 500}, {150, 284, 420, 700}},
      {"above the second display: onto it", two, {2000, 20, 600, 500}, {1430, 440, 420, 700}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto g = PlaceOnMonitors(c.stored, c.monitors);
    EXPECT_EQ(g.left, c.shown.left);
    EXPECT_EQ(g.top, c.shown.top);
    EXPECT_EQ(g.width, c.shown.width);
    EXPECT_EQ(g.height, c.shown.height);
  }
}

}  // namespace
}  // namespace kalvora::app
