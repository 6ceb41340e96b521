// The real kalvora.exe under Wine, seen from outside: its main window, one
// instance per program file, and starts that must survive bad settings.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "support/ProgramFixture.h"

namespace kalvora::program_tests {
namespace {

using ProgramStartTest = ProgramTest;

TEST_F(ProgramStartTest, MainWindowHasCaptionAndRecentFoldersTab) {
  SkipFirstStartDialog();
  const std::wstring exe = InstallProgram();
  ASSERT_FALSE(exe.empty());
  auto& program = Start(exe);
  HWND window = WaitForMainWindow(program);
  ASSERT_NE(window, nullptr) << "no visible " << Utf8(kMainWindowClass) << " window";

  EXPECT_EQ(TextOf(window), L"Kalvora 2.1");
  const auto tabs = ChildWindows(window, L"SysTabControl32");
  ASSERT_FALSE(tabs.empty()) << "the main window holds no tab control";
  EXPECT_GE(TabCount(tabs.front()), 1);
  EXPECT_EQ(TabText(tabs.front(), 0), std::optional<std::wstring>(L"   Recently Open Folders   "));

  CloseMainWindow(program, window);
}

// ---- one instance per program file

struct SecondStartCase {
  const char* name;
  bool minimiseFirst;
  bool otherLetterCase;  // the second start names the same file in other letter case
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const SecondStartCase& c, std::ostream* out) { *out << c.name; }

class SecondStartTest : public ProgramTest, public ::testing::WithParamInterface<SecondStartCase> {};

TEST_P(SecondStartTest, EndsAtOnceAndLeavesTheFirstWindowShown) {
  SkipFirstStartDialog();
  const std::wstring exe = InstallProgram();
  ASSERT_FALSE(exe.empty());
  auto& first = Start(exe);
  HWND window = WaitForMainWindow(first);
  ASSERT_NE(window, nullptr);
  if (GetParam().minimiseFirst) {
    ::ShowWindow(window, SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return ::IsIconic(window) != FALSE; }, 5000)) << "the window did not minimise";
  }

  std::wstring secondExe = exe;
  if (GetParam().otherLetterCase) ::CharUpperBuffW(secondExe.data(), static_cast<DWORD>(secondExe.size()));
  auto& second = Start(secondExe, L"C:\\some\\file.txt");
  bool secondHadWindow = false;
  const auto exitCode = WaitForExitWatchingWindows(second, 10000, secondHadWindow);
  ASSERT_TRUE(exitCode.has_value()) << "the second start is still running";
  EXPECT_EQ(*exitCode, 0u);
  EXPECT_FALSE(secondHadWindow) << "the second start made a main window of its own";

  EXPECT_TRUE(first.IsRunning());
  EXPECT_EQ(TopLevelWindows(WindowQuery::OfClass(kMainWindowClass)), std::vector<HWND>{window});
  EXPECT_TRUE(WaitUntil([&] { return !::IsIconic(window) && ::IsWindowVisible(window); }, 5000))
      << "the running window was not brought back";

  CloseMainWindow(first, window);
}

INSTANTIATE_TEST_SUITE_P(Program, SecondStartTest,
                         ::testing::Values(SecondStartCase{"WindowShown", false, false},
                                           SecondStartCase{"WindowMinimised", true, false},
                                           SecondStartCase{"SameFileInCapitals", false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProgramStartTest, CopyInAnotherFolderRunsItsOwnInstance) {
  SkipFirstStartDialog();
  const std::wstring exeA = InstallProgram();
  const std::wstring exeB = InstallProgram();
  ASSERT_FALSE(exeA.empty());
  ASSERT_FALSE(exeB.empty());
  auto& a = Start(exeA);
  HWND windowA = WaitForMainWindow(a);
  ASSERT_NE(windowA, nullptr);
  auto& b = Start(exeB);
  HWND windowB = WaitForMainWindow(b);
  ASSERT_NE(windowB, nullptr) << "the copy handed over to the other folder's instance instead of starting";

  EXPECT_NE(windowA, windowB);
  EXPECT_EQ(TopLevelWindows(WindowQuery::OfClass(kMainWindowClass)).size(), 2u);
  CloseMainWindow(b, windowB);
  CloseMainWindow(a, windowA);
}

// ---- bad settings

struct ScreenSize {
  int width;
  int height;
};

struct BadSettingsCase {
  const char* name;
  std::vector<std::pair<std::wstring, std::wstring>> userValues;
  // The outer window rectangle expected on this screen.
  std::function<RECT(ScreenSize)> expected;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const BadSettingsCase& c, std::ostream* out) { *out << c.name; }

// A fresh installation's window: 420 x 700 at left 150, bottom 40 above the
// screen's bottom, shrunk to a screen too small for it.
RECT DefaultWindow(ScreenSize screen) {
  RECT rect{150, screen.height - 740, 150 + 420, screen.height - 40};
  if (rect.right > screen.width) rect.right = screen.width;
  return rect;
}

class BadSettingsTest : public ProgramTest, public ::testing::WithParamInterface<BadSettingsCase> {};

TEST_P(BadSettingsTest, StartsWithASensibleWindow) {
  SkipFirstStartDialog();
  for (const auto& [key, value] : GetParam().userValues) ASSERT_TRUE(WriteIni(Paths().userFile, kSection, key, value));
  const std::wstring exe = InstallProgram();
  ASSERT_FALSE(exe.empty());
  auto& program = Start(exe);
  HWND window = WaitForMainWindow(program);
  ASSERT_NE(window, nullptr) << "no window after a start with these settings";

  const ScreenSize screen{::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  const RECT expected = GetParam().expected(screen);
  const RECT actual = WindowRect(window);
  EXPECT_EQ((std::vector<LONG>{actual.left, actual.top, Width(actual), Height(actual)}),
            (std::vector<LONG>{expected.left, expected.top, Width(expected), Height(expected)}))
      << "left, top, width, height";

  CloseMainWindow(program, window);
}

INSTANTIATE_TEST_SUITE_P(
    Program, BadSettingsTest,
    ::testing::Values(
        BadSettingsCase{"GarbageNumbers",
                        {{L"Width", L"abc"}, {L"Height", L""}, {L"tbRecordInterval", L"xyz"}, {L"curTextSize", L"zz"}},
                        DefaultWindow},
        BadSettingsCase{"SizesNotPositive", {{L"Width", L"-5"}, {L"Height", L"0"}}, DefaultWindow},
        // Left behind by a monitor that is gone: shrinking would leave nothing.
        BadSettingsCase{"FarOffScreen",
                        {{L"Left", L"5000"}, {L"Top", L"5000"}, {L"Width", L"500"}, {L"Height", L"600"}},
                        DefaultWindow},
        BadSettingsCase{"LargerThanScreen",
                        {{L"Left", L"10"}, {L"Top", L"20"}, {L"Width", L"99999"}, {L"Height", L"99999"}},
                        [](ScreenSize screen) { return RECT{10, 20, screen.width, screen.height}; }}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- data folders that cannot be made

struct BlockedFolderCase {
  const char* name;
  bool userFolder;  // else the shared one
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const BlockedFolderCase& c, std::ostream* out) { *out << c.name; }

class BlockedDataFolderTest : public ProgramTest, public ::testing::WithParamInterface<BlockedFolderCase> {};

TEST_P(BlockedDataFolderTest, WindowStillAppears) {
  const std::wstring blocked = GetParam().userFolder ? Paths().userFolder : Paths().sharedFolder;
  if (!GetParam().userFolder) SkipFirstStartDialog();
  RemovePath(blocked);
  ASSERT_TRUE(WriteBytes(blocked, "a file where the data folder belongs\r\n"));

  const std::wstring exe = InstallProgram();
  ASSERT_FALSE(exe.empty());
  auto& program = Start(exe);
  // Without a readable user settings file the first-start dialog comes first.
  HWND window = WaitForMainWindowPastDialog(program);
  ASSERT_NE(window, nullptr) << "no window when " << Utf8(blocked) << " is a file";
  CloseMainWindow(program, window);
  EXPECT_TRUE(FileExists(blocked)) << "the program removed the file in its way";
}

INSTANTIATE_TEST_SUITE_P(Program, BlockedDataFolderTest,
                         ::testing::Values(BlockedFolderCase{"UserFolderIsAFile", true},
                                           BlockedFolderCase{"SharedFolderIsAFile", false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kalvora::program_tests
