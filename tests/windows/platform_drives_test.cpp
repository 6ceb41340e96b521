// Drive types on the real system.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/win32/Win32Drives.h"

using kalvora::platform::DriveFixed;
using kalvora::platform::DriveNoRootDir;
using kalvora::platform::win32::Win32Drives;

TEST(Win32DrivesTest, SystemDriveIsFixedAndAnUnusedLetterHasNoDrive) {
  Win32Drives drives;
  wchar_t windowsFolder[MAX_PATH] = {};
  ASSERT_GT(::GetWindowsDirectoryW(windowsFolder, MAX_PATH), 2u);
  EXPECT_EQ(drives.DriveType(std::wstring{windowsFolder[0], L':', L'\\'}), DriveFixed);

  const DWORD used = ::GetLogicalDrives();
  int unused = -1;
  for (int letter = 25; letter >= 1 && unused < 0; --letter)
    if ((used & (1u << letter)) == 0) unused = letter;
  ASSERT_GE(unused, 0) << "every drive letter is in use";
  EXPECT_EQ(drives.DriveType(std::wstring{static_cast<wchar_t>(L'A' + unused), L':', L'\\'}), DriveNoRootDir);
}
