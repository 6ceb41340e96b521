// Shell places and shell openers on the real system. Real places are not
// opened here: that would bring up windows in the test's display.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "places/ShellOpeners.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32ShellPlaces.h"

namespace {

class NoDialogsForPlaces final : public kalvora::platform::DialogService {
 public:
  bool ShowModal(kalvora::platform::WindowHandle, kalvora::platform::DialogState&) override { return false; }
  int ShowMessageBox(kalvora::platform::WindowHandle, const std::wstring&, const std::wstring&, unsigned) override {
    return 0;
  }
};

}  // namespace

TEST(Win32ShellPlacesTest, SystemDirectoryIsTheSystemFolder) {
  wchar_t expected[MAX_PATH] = {};
  ASSERT_GT(::GetSystemDirectoryW(expected, MAX_PATH), 0u);
  kalvora::platform::win32::Win32ShellPlaces places;
  const std::wstring folder = places.SystemDirectory();
  EXPECT_EQ(::lstrcmpiW(folder.c_str(), expected), 0);
  EXPECT_NE(::GetFileAttributesW((folder + L"\\control.exe").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(Win32ShellPlacesTest, ExploringAMissingFolderGivesTheSystemsFailure) {
  NoDialogsForPlaces dialogs;
  kalvora::platform::win32::Win32Platform win32;
  kalvora::platform::Platform platform = win32.Services(dialogs);
  const std::intptr_t result = kalvora::places::ExploreFolder(platform, L"C:\\kalvora-no-such-folder\\inner");
  EXPECT_LE(result, 32);
  EXPECT_GE(result, 0);
}
