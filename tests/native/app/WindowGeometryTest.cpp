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

}  // namespace
}  // namespace kalvora::app
