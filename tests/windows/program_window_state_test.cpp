// Closing the main window remembers where it was and how it was shown; the
// next start puts it back there.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "support/ProgramFixture.h"

namespace kalvora::program_tests {
namespace {

std::optional<std::wstring> Stored(const std::wstring& file, const wchar_t* key) {
  return ReadIni(file, kSection, key);
}

using WindowStateTest = ProgramTest;

std::optional<std::wstring> Number(int value) { return std::to_wstring(value); }

struct Placement {
  const char* name;
  int left;
  int top;
  int width;
  int height;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Placement& c, std::ostream* out) { *out << c.name; }

class WindowPlacementTest : public ProgramTest, public ::testing::WithParamInterface<Placement> {};

TEST_P(WindowPlacementTest, CloseStoresItAndTheNextStartRestoresIt) {
  const Placement& p = GetParam();
  SkipFirstStartDialog();
  const std::wstring exe = InstallProgram();
  ASSERT_FALSE(exe.empty());
  auto& first = Start(exe);
  HWND window = WaitForMainWindow(first);
  ASSERT_NE(window, nullptr);

  ASSERT_TRUE(::SetWindowPos(window, nullptr, p.left, p.top, p.width, p.height, SWP_NOZORDER | SWP_NOACTIVATE));
  ASSERT_TRUE(WaitUntil(
      [&] {
        const RECT r = WindowRect(window);
        return r.left == p.left && r.top == p.top && Width(r) == p.width && Height(r) == p.height;
      },
      5000))
      << "the window did not take the new place";
  CloseMainWindow(first, window);

  const std::wstring& file = Paths().userFile;
  EXPECT_EQ(Stored(file, L"Left"), Number(p.left));
  EXPECT_EQ(Stored(file, L"Top"), Number(p.top));
  EXPECT_EQ(Stored(file, L"Width"), Number(p.width));
  EXPECT_EQ(Stored(file, L"Height"), Number(p.height));
  EXPECT_EQ(Stored(file, L"WindStateInd"), Number(1));

  auto& second = Start(exe);
  HWND again = WaitForMainWindow(second);
  ASSERT_NE(again, nullptr);
  const RECT r = WindowRect(again);
  EXPECT_EQ(r.left, p.left);
  EXPECT_EQ(r.top, p.top);
  EXPECT_EQ(Width(r), p.width);
  EXPECT_EQ(Height(r), p.height);
  EXPECT_FALSE(::IsZoomed(again));
}

INSTANTIATE_TEST_SUITE_P(Program, WindowPlacementTest,
                         ::testing::Values(Placement{"MovedAndResized", 200, 150, 500, 600},
                                           Placement{"AtScreenOrigin", 0, 0, 300, 250}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowStateTest, MaximisedCloseKeepsTheNormalPlaceAndStartsMaximised) {
  SkipFirstStartDialog();
  const std::wstring& file = Paths().userFile;
  for (const auto& [key, value] : {std::pair{L"Left", L"200"}, std::pair{L"Top", L"150"},
                                   std::pair{L"Width", L"500"}, std::pair{L"Height", L"600"},
                                   std::pair{L"WindStateInd", L"1"}})
    ASSERT_TRUE(WriteIni(file, kSection, key, value));
  const std::wstring exe = InstallProgram();
  ASSERT_FALSE(exe.empty());
  auto& first = Start(exe);
  HWND window = WaitForMainWindow(first);
  ASSERT_NE(window, nullptr);
  const RECT stored = WindowRect(window);
  EXPECT_EQ(stored.left, 200);
  EXPECT_EQ(stored.top, 150);
  EXPECT_EQ(Width(stored), 500);
  EXPECT_EQ(Height(stored), 600);

  ::ShowWindow(window, SW_MAXIMIZE);
  ASSERT_TRUE(WaitUntil([&] { return ::IsZoomed(window) != FALSE; }, 5000)) << "the window did not maximise";
  CloseMainWindow(first, window);

  EXPECT_EQ(Stored(file, L"WindStateInd"), Number(0));
  EXPECT_EQ(Stored(file, L"Left"), Number(200));
  EXPECT_EQ(Stored(file, L"Top"), Number(150));
  EXPECT_EQ(Stored(file, L"Width"), Number(500));
  EXPECT_EQ(Stored(file, L"Height"), Number(600));

  auto& second = Start(exe);
  HWND again = WaitForMainWindow(second);
  ASSERT_NE(again, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return ::IsZoomed(again) != FALSE; }, 5000)) << "the next start is not maximised";
}

// Closed while minimised, the window comes back as it was before: in its
// normal state, at its normal place.
TEST_F(WindowStateTest, MinimisedCloseStartsNormalAgain) {
  SkipFirstStartDialog();
  const std::wstring exe = InstallProgram();
  ASSERT_FALSE(exe.empty());
  auto& first = Start(exe);
  HWND window = WaitForMainWindow(first);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(::SetWindowPos(window, nullptr, 200, 150, 500, 600, SWP_NOZORDER | SWP_NOACTIVATE));
  ASSERT_TRUE(WaitUntil([&] { return WindowRect(window).left == 200; }, 5000));
  ::ShowWindow(window, SW_MINIMIZE);
  ASSERT_TRUE(WaitUntil([&] { return ::IsIconic(window) != FALSE; }, 5000)) << "the window did not minimise";
  CloseMainWindow(first, window);

  const std::wstring& file = Paths().userFile;
  EXPECT_EQ(Stored(file, L"WindStateInd"), Number(1));
  EXPECT_EQ(Stored(file, L"Left"), Number(200));
  EXPECT_EQ(Stored(file, L"Width"), Number(500));

  auto& second = Start(exe);
  HWND again = WaitForMainWindow(second);
  ASSERT_NE(again, nullptr);
  const RECT r = WindowRect(again);
  EXPECT_FALSE(::IsZoomed(again)) << "the next start is maximised";
  EXPECT_EQ(r.left, 200);
  EXPECT_EQ(r.top, 150);
  EXPECT_EQ(Width(r), 500);
  EXPECT_EQ(Height(r), 600);
}

// Log-off and shutdown end the program without a WM_CLOSE: where the window
// was is saved when the session ends.
TEST_F(WindowStateTest, EndOfSessionStoresThePlacement) {
  SkipFirstStartDialog();
  const std::wstring exe = InstallProgram();
  ASSERT_FALSE(exe.empty());
  auto& program = Start(exe);
  HWND window = WaitForMainWindow(program);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(::SetWindowPos(window, nullptr, 210, 160, 510, 610, SWP_NOZORDER | SWP_NOACTIVATE));
  ASSERT_TRUE(WaitUntil([&] { return WindowRect(window).left == 210; }, 5000));

  DWORD_PTR allowed = 0;
  ASSERT_TRUE(::SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000,
                                    &allowed));
  EXPECT_NE(allowed, 0u) << "the program refused the log-off";
  ASSERT_TRUE(::SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, nullptr));

  const std::wstring& file = Paths().userFile;
  EXPECT_EQ(Stored(file, L"Left"), Number(210));
  EXPECT_EQ(Stored(file, L"Top"), Number(160));
  EXPECT_EQ(Stored(file, L"Width"), Number(510));
  EXPECT_EQ(Stored(file, L"WindStateInd"), Number(1));
  EXPECT_TRUE(program.Stop());
}

// A window stored where no display is now (left and above the only one)
// starts on the screen.
TEST_F(WindowStateTest, PlaceOfAGoneDisplayStartsOnTheScreen) {
  SkipFirstStartDialog();
  const std::wstring& file = Paths().userFile;
  for (const auto& [key, value] : {std::pair{L"Left", L"-1500"}, std::pair{L"Top", L"-900"},
                                   std::pair{L"Width", L"400"}, std::pair{L"Height", L"500"},
                                   std::pair{L"WindStateInd", L"1"}})
    ASSERT_TRUE(WriteIni(file, kSection, key, value));
  const std::wstring exe = InstallProgram();
  ASSERT_FALSE(exe.empty());
  auto& program = Start(exe);
  HWND window = WaitForMainWindow(program);
  ASSERT_NE(window, nullptr);
  const RECT r = WindowRect(window);
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  ASSERT_TRUE(::GetMonitorInfoW(::MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &info));
  // The fresh-install geometry: 150 from the left, its bottom 40 above the screen's.
  EXPECT_EQ(r.left, info.rcMonitor.left + 150);
  EXPECT_EQ(r.top, info.rcMonitor.bottom - 700 - 40);
  EXPECT_EQ(Width(r), 420);
  EXPECT_EQ(Height(r), 700);
  CloseMainWindow(program, window);
}

}  // namespace
}  // namespace kalvora::program_tests
