#include <gtest/gtest.h>

#include <set>

#include "../../shared/MonitorCases.h"
#include "platform/sim/SimProcess.h"

namespace kalvora::platform::sim {
namespace {

TEST(SimWindowManager, MonitorsDescribeTheScreen) {
  SimWindowManager single;
  single.SetPrimaryScreenSize({1024, 768});
  monitor_cases::CheckMonitorsDescribeTheScreen(single);

  // A second display left of the primary one, with a taskbar at the bottom of each.
  SimWindowManager two;
  two.SetMonitors({{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, true},
                   {{-1280, 56, 0, 1080}, {-1280, 56, 0, 1040}, false}});
  monitor_cases::CheckMonitorsDescribeTheScreen(two);
  EXPECT_EQ(two.PrimaryScreenSize().width, 1920);
}

TEST(SimWindowManager, SecondProcessFindsRestoresAndRaisesTheFirstWindow) {
  SimMachine machine;
  SimProcess first(machine);
  SimProcess second(machine);
  WindowHandle editor = machine.windows().AddWindow(L"Notepad", L"notes", false, true);
  WindowHandle main = machine.windows().AddWindow(L"TRevistoWindow", L"Kalvora", /*iconic=*/true);
  ASSERT_EQ(machine.ForegroundWindow(), editor);

  WindowManager& windows = second.Platform().windows;
  WindowHandle found = windows.FindWindowByClass(L"TRevistoWindow");
  ASSERT_EQ(found, main);
  EXPECT_TRUE(windows.IsIconic(found));
  windows.Restore(found);
  EXPECT_FALSE(windows.IsIconic(found));
  EXPECT_TRUE(windows.SetForegroundWindow(found));
  EXPECT_EQ(machine.ForegroundWindow(), main);
  EXPECT_FALSE(first.Platform().windows.IsIconic(main)) << "both processes see one window list";
}

TEST(SimWindowManager, FindsTheTopmostMatchIgnoringCase) {
  SimWindowManager wm;
  WindowHandle older = wm.AddWindow(L"TRevistoWindow");
  WindowHandle newer = wm.AddWindow(L"TRevistoWindow");
  EXPECT_EQ(wm.FindWindowByClass(L"trevistowindow"), newer);
  ASSERT_TRUE(wm.SetForegroundWindow(older));
  EXPECT_EQ(wm.FindWindowByClass(L"TRevistoWindow"), older) << "brought to the top of the Z order";
  EXPECT_EQ(wm.FindWindowByClass(L"TRevisto"), 0u) << "no prefix matches";
  wm.RemoveWindow(older);
  EXPECT_EQ(wm.FindWindowByClass(L"TRevistoWindow"), newer);
}

TEST(SimWindowManager, UnknownHandlesAndForegroundLock) {
  SimWindowManager wm;
  WindowHandle w = wm.AddWindow(L"A", L"", true);
  EXPECT_FALSE(wm.IsIconic(0x1234));
  EXPECT_FALSE(wm.SetForegroundWindow(0x1234));
  EXPECT_EQ(wm.ForegroundWindow(), 0u);
  wm.RefuseForeground(true);
  EXPECT_FALSE(wm.SetForegroundWindow(w));
  EXPECT_EQ(wm.ForegroundWindow(), 0u);
}

TEST(SimWindowManager, HandlesAreUniqueNonZeroAndFit32Bits) {
  SimWindowManager wm;
  std::set<WindowHandle> seen;
  for (int i = 0; i < 100; ++i) {
    WindowHandle h = wm.AddWindow(L"C");
    EXPECT_NE(h, 0u);
    EXPECT_LE(h, 0xFFFFFFFFu);
    EXPECT_TRUE(seen.insert(h).second);
  }
}

TEST(SimWindowManager, ScreenSizeComesFromTheMachine) {
  SimMachine machine;
  SimProcess process(machine);
  EXPECT_EQ(process.Platform().windows.PrimaryScreenSize().width, 1280);
  EXPECT_EQ(process.Platform().windows.PrimaryScreenSize().height, 1024);
  machine.SetScreenSize(800, 600);
  EXPECT_EQ(process.Platform().windows.PrimaryScreenSize().width, 800);
  EXPECT_EQ(process.Platform().windows.PrimaryScreenSize().height, 600);
}

}  // namespace
}  // namespace kalvora::platform::sim
