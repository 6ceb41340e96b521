// Finding and bringing forward top-level windows, the message pump, and
// starting programs through the shell. Needs an X display under Wine.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/Win32MessagePump.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32WindowManager.h"
#include "support/TempFolder.h"
#include "../shared/MonitorCases.h"

using kalvora::platform::ShowCommand;
using kalvora::platform::WindowHandle;
using kalvora::platform::win32::Win32MessagePump;
using kalvora::platform::win32::Win32Shell;
using kalvora::platform::win32::Win32WindowManager;

namespace {

constexpr UINT kCountMessage = WM_APP + 1;
int g_counted = 0;
constexpr UINT_PTR kTimerId = 7;
int g_ticks = 0;

// Runs the window's messages for about the given time.
void PumpFor(DWORD milliseconds) {
  const DWORD start = ::GetTickCount();
  while (::GetTickCount() - start < milliseconds) {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
    ::Sleep(5);
  }
}

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kCountMessage) {
    ++g_counted;
    return 0;
  }
  if (message == WM_TIMER && wParam == kTimerId) {
    ++g_ticks;
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

// A top-level window of a class of its own, shown, destroyed at the end.
class TestWindow {
 public:
  explicit TestWindow(const wchar_t* className) : className_(className) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = TestWindowProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = className;
    ::RegisterClassW(&windowClass);
    window_ = ::CreateWindowExW(0, className, L"Kalvora test window", WS_OVERLAPPEDWINDOW, 100, 100, 300, 200,
                                nullptr, nullptr, windowClass.hInstance, nullptr);
    ::ShowWindow(window_, SW_SHOWNORMAL);
    ::UpdateWindow(window_);
  }
  ~TestWindow() {
    ::DestroyWindow(window_);
    ::UnregisterClassW(className_, ::GetModuleHandleW(nullptr));
  }
  HWND Hwnd() const { return window_; }
  WindowHandle Handle() const { return reinterpret_cast<WindowHandle>(window_); }

 private:
  const wchar_t* className_;
  HWND window_ = nullptr;
};

// Lets the window system catch up with show and activate requests.
void Settle() {
  for (int i = 0; i < 10; ++i) {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
    ::Sleep(20);
  }
}

}  // namespace

TEST(Win32WindowManagerTest, FindsWindowsByClassIgnoringCase) {
  TestWindow window(L"KalvoraFindTestClass");
  ASSERT_NE(window.Hwnd(), nullptr);
  Win32WindowManager windows;
  EXPECT_EQ(windows.FindWindowByClass(L"KalvoraFindTestClass"), window.Handle());
  EXPECT_EQ(windows.FindWindowByClass(L"kalvorafindtestclass"), window.Handle());
  EXPECT_EQ(windows.FindWindowByClass(L"KalvoraNoSuchClass"), 0u);
}

TEST(Win32WindowManagerTest, MinimisedWindowIsRestoredAndBroughtForward) {
  TestWindow window(L"KalvoraIconicTestClass");
  TestWindow other(L"KalvoraOtherTestClass");  // made last, so it is in front
  ASSERT_NE(window.Hwnd(), nullptr);
  Win32WindowManager windows;
  EXPECT_FALSE(windows.IsIconic(window.Handle()));

  ::ShowWindow(window.Hwnd(), SW_MINIMIZE);
  Settle();
  EXPECT_TRUE(windows.IsIconic(window.Handle()));

  windows.Restore(window.Handle());
  Settle();
  EXPECT_FALSE(windows.IsIconic(window.Handle()));
  EXPECT_TRUE(::IsWindowVisible(window.Hwnd()));

  EXPECT_TRUE(windows.SetForegroundWindow(window.Handle()));
  Settle();
  EXPECT_EQ(::GetForegroundWindow(), window.Hwnd());

  // Handles of windows that are gone are neither iconic nor brought forward.
  ::DestroyWindow(other.Hwnd());
  EXPECT_FALSE(windows.IsIconic(other.Handle()));
  EXPECT_FALSE(windows.SetForegroundWindow(other.Handle()));
}

TEST(Win32WindowManagerTest, PrimaryScreenHasASize) {
  Win32WindowManager windows;
  const auto size = windows.PrimaryScreenSize();
  EXPECT_GT(size.width, 0);
  EXPECT_GT(size.height, 0);
}

TEST(Win32WindowManagerTest, MonitorsDescribeTheScreen) {
  Win32WindowManager windows;
  monitor_cases::CheckMonitorsDescribeTheScreen(windows);
}

TEST(Win32MessagePumpTest, RunsPendingMessagesAndLeavesTheQuitForTheMainLoop) {
  TestWindow window(L"KalvoraPumpTestClass");
  Win32MessagePump pump;
  Settle();
  g_counted = 0;
  ::PostMessageW(window.Hwnd(), kCountMessage, 0, 0);
  ::PostMessageW(window.Hwnd(), kCountMessage, 0, 0);
  pump.ProcessMessages();
  EXPECT_EQ(g_counted, 2);

  ::PostMessageW(window.Hwnd(), kCountMessage, 0, 0);
  ::PostQuitMessage(7);
  pump.ProcessMessages();
  EXPECT_EQ(g_counted, 3);
  // The quit is still there, with its exit code, for the loop further out.
  MSG message;
  bool sawQuit = false;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      sawQuit = true;
      EXPECT_EQ(message.wParam, 7u);
      break;
    }
    ::DispatchMessageW(&message);
  }
  EXPECT_TRUE(sawQuit);
}

// The main window's timers rely on this: setting a running timer again
// restarts its countdown, so one set more often than its interval never
// fires. The simulated window's timers follow it.
TEST(Win32TimerTest, SettingARunningTimerAgainRestartsItsCountdown) {
  TestWindow window(L"KalvoraTimerTestClass");
  Settle();
  g_ticks = 0;
  ASSERT_NE(::SetTimer(window.Hwnd(), kTimerId, 400, nullptr), 0u);
  for (int i = 0; i < 8; ++i) {
    PumpFor(150);
    ::SetTimer(window.Hwnd(), kTimerId, 400, nullptr);
  }
  EXPECT_EQ(g_ticks, 0) << "re-set every 150 ms, a 400 ms timer never fires";
  PumpFor(1000);
  EXPECT_GE(g_ticks, 1) << "left alone, it fires";
  ::KillTimer(window.Hwnd(), kTimerId);
}

TEST(Win32ShellTest, StartsAProgramWithParametersInTheGivenFolder) {
  TempFolder temp;
  Win32Shell shell;
  // cmd writes a file relative to its working folder: that proves both the
  // parameters and the folder arrived.
  const auto result = shell.Execute(0, L"open", L"cmd.exe", L"/c echo started>started.txt", temp.Path(),
                                    ShowCommand::Hide);
  EXPECT_GT(result, 32);
  const std::wstring written = temp / L"started.txt";
  for (int i = 0; i < 200 && TempFolder::ReadBytes(written).empty(); ++i) ::Sleep(50);
  EXPECT_EQ(TempFolder::ReadBytes(written).substr(0, 7), "started");
  // Let cmd end before the folder is removed.
  ::Sleep(200);
}

TEST(Win32ShellTest, MissingFileGivesTheSystemsErrorResult) {
  TempFolder temp;
  Win32Shell shell;
  const auto result = shell.Execute(0, L"", temp / L"no-such-program.exe", L"", L"", ShowCommand::ShowNormal);
  EXPECT_LE(result, 32);
  EXPECT_EQ(result, SE_ERR_FNF);
}

namespace {
class NoDialogs final : public kalvora::platform::DialogService {
 public:
  bool ShowModal(WindowHandle, kalvora::platform::DialogState&) override { return false; }
  int ShowMessageBox(WindowHandle, const std::wstring&, const std::wstring&, unsigned) override { return 0; }
};
}  // namespace

TEST(Win32PlatformTest, ServicesReachTheRealSystem) {
  TempFolder temp;
  NoDialogs dialogs;
  kalvora::platform::win32::Win32Platform win32;
  kalvora::platform::Platform platform = win32.Services(dialogs);
  const std::wstring folder = temp / L"made\\by\\platform";
  ASSERT_TRUE(platform.files.CreateDirectoryTree(folder));
  ASSERT_TRUE(platform.profiles.WriteString(folder + L"\\p.ini", L"S", L"K", L"v"));
  EXPECT_TRUE(platform.files.FileExists(folder + L"\\p.ini"));
  EXPECT_EQ(&platform.dialogs, &dialogs);
}
