// The displays as the window manager of both builds reports them. The
// native suite runs the cases on the simulated displays, the Windows suite on
// the system's own.
#pragma once
#include <gtest/gtest.h>

#include "platform/WindowManager.h"

namespace monitor_cases {

using kalvora::platform::ScreenRect;
using kalvora::platform::WindowManager;

inline bool Inside(const ScreenRect& inner, const ScreenRect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// There is always a display to put a window on; the primary one comes first,
// sits at the origin and has the primary screen's size; every work area is
// a non-empty part of its display.
inline void CheckMonitorsDescribeTheScreen(WindowManager& windows) {
  const auto monitors = windows.Monitors();
  ASSERT_FALSE(monitors.empty());
  const auto& primary = monitors.front();
  EXPECT_TRUE(primary.primary);
  EXPECT_EQ(primary.bounds.left, 0);
  EXPECT_EQ(primary.bounds.top, 0);
  const auto screen = windows.PrimaryScreenSize();
  EXPECT_EQ(primary.bounds.right, screen.width);
  EXPECT_EQ(primary.bounds.bottom, screen.height);
  for (std::size_t i = 0; i < monitors.size(); ++i) {
    SCOPED_TRACE(i);
    const auto& m = monitors[i];
    EXPECT_EQ(m.primary, i == 0) << "one primary display, listed first";
    EXPECT_LT(m.workArea.left, m.workArea.right);
    EXPECT_LT(m.workArea.top, m.workArea.bottom);
    EXPECT_TRUE(Inside(m.workArea, m.bounds));
  }
}

}  // namespace monitor_cases
