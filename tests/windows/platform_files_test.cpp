// Files, folders and special folders on the real system.
#include <gtest/gtest.h>

#include "../shared/FileSystemCases.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32ShellFolders.h"
#include "support/ScratchPlaces.h"
#include "support/TempFolder.h"

using kalvora::platform::SpecialFolder;
using kalvora::platform::win32::Win32FileSystem;
using kalvora::platform::win32::Win32ShellFolders;

TEST(Win32FileSystemTest, TellsFoldersFromFilesAndMissingNames) {
  TempFolder temp;
  Win32FileSystem files;
  ASSERT_TRUE(TempFolder::WriteBytes(temp / L"file.txt", "x"));
  ASSERT_TRUE(::CreateDirectoryW((temp / L"Sub").c_str(), nullptr));

  struct Case {
    std::wstring path;
    bool directory;
    bool file;
  };
  const Case cases[] = {
      {temp / L"Sub", true, false},
      {temp / L"SUB", true, false},  // letter case does not matter
      {temp / L"file.txt", false, true},
      {temp / L"FILE.TXT", false, true},
      {temp / L"missing", false, false},
      {temp / L"missing\\deeper", false, false},
      {L"", false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.path.begin(), c.path.end()));
    EXPECT_EQ(files.DirectoryExists(c.path), c.directory);
    EXPECT_EQ(files.FileExists(c.path), c.file);
  }
}

TEST(Win32FileSystemTest, CreateDirectoryTreeMakesEveryMissingParent) {
  TempFolder temp;
  Win32FileSystem files;
  const std::wstring deep = temp / L"a\\b\\c\\d";
  EXPECT_TRUE(files.CreateDirectoryTree(deep));
  EXPECT_TRUE(files.DirectoryExists(temp / L"a"));
  EXPECT_TRUE(files.DirectoryExists(temp / L"a\\b\\c"));
  EXPECT_TRUE(files.DirectoryExists(deep));
  // Existing folders are fine, with or without a trailing separator.
  EXPECT_TRUE(files.CreateDirectoryTree(deep));
  EXPECT_TRUE(files.CreateDirectoryTree(temp / L"a\\b\\"));
  EXPECT_TRUE(files.CreateDirectoryTree(temp / L"x\\y\\"));
  EXPECT_TRUE(files.DirectoryExists(temp / L"x\\y"));
}

TEST(Win32FileSystemTest, CreateDirectoryTreeFailsWhereNoFolderCanBe) {
  TempFolder temp;
  Win32FileSystem files;
  ASSERT_TRUE(TempFolder::WriteBytes(temp / L"plain.txt", "x"));
  const std::wstring impossible[] = {
      temp / L"plain.txt",             // a file of that name is in the way
      temp / L"plain.txt\\sub",        // below a file
      temp / L"plain.txt\\sub\\deeper",
      temp / L"bad<name>\\sub",        // characters no folder name may hold
      L"",
  };
  for (const auto& path : impossible) {
    SCOPED_TRACE(std::string(path.begin(), path.end()));
    EXPECT_FALSE(files.CreateDirectoryTree(path));
    EXPECT_FALSE(files.DirectoryExists(path));
  }
  EXPECT_TRUE(files.FileExists(temp / L"plain.txt"));
}

// The cases the simulated file system answers alike, in a scratch folder.
class Win32FileSystemCases : public ::testing::Test {
 protected:
  file_system_cases::Scratch Scratch() {
    return {files, temp.Path(), unc.Path(), MissingDrive(),
            [](const std::wstring& path, std::uint32_t attributes) {
              ASSERT_TRUE(::SetFileAttributesW(path.c_str(), attributes)) << ::GetLastError();
            },
            UnderWine()};
  }
  TempFolder temp;
  ScratchUncFolder unc;
  Win32FileSystem files;
};

TEST_F(Win32FileSystemCases, CreateDirectoryTree) { file_system_cases::CheckCreateDirectoryTree(Scratch()); }
TEST_F(Win32FileSystemCases, FindFilesMasks) { file_system_cases::CheckFindFilesMasks(Scratch()); }
TEST_F(Win32FileSystemCases, FindFilesEntries) { file_system_cases::CheckFindFilesEntries(Scratch()); }
TEST_F(Win32FileSystemCases, DotNamesAreNotHidden) { file_system_cases::CheckDotNamesAreNotHidden(Scratch()); }
TEST_F(Win32FileSystemCases, WholeFileWrites) { file_system_cases::CheckWholeFileWrites(Scratch()); }
TEST_F(Win32FileSystemCases, MoveFileOver) { file_system_cases::CheckMoveFileOver(Scratch()); }
TEST_F(Win32FileSystemCases, ReadOnlyFilesAreNotRemoved) {
  file_system_cases::CheckReadOnlyFilesAreNotRemoved(Scratch());
}

TEST(Win32ShellFoldersTest, SpecialFoldersAreExistingFoldersWithoutTrailingSeparator) {
  Win32ShellFolders folders;
  Win32FileSystem files;
  const SpecialFolder all[] = {
      SpecialFolder::Desktop,         SpecialFolder::Programs,       SpecialFolder::Personal,
      SpecialFolder::Startup,         SpecialFolder::Recent,         SpecialFolder::SendTo,
      SpecialFolder::StartMenu,       SpecialFolder::AppData,        SpecialFolder::CommonStartMenu,
      SpecialFolder::CommonPrograms,  SpecialFolder::CommonStartup,  SpecialFolder::CommonDocuments,
  };
  for (SpecialFolder folder : all) {
    SCOPED_TRACE(static_cast<int>(folder));
    const std::wstring path = folders.SpecialFolderPath(folder);
    ASSERT_GT(path.size(), 3u);
    EXPECT_EQ(path[1], L':');
    EXPECT_NE(path.back(), L'\\');
    EXPECT_TRUE(files.DirectoryExists(path));
  }
  // The programs folder lies inside the start menu, as every program that
  // places shortcuts expects.
  const std::wstring startMenu = folders.SpecialFolderPath(SpecialFolder::StartMenu);
  EXPECT_EQ(folders.SpecialFolderPath(SpecialFolder::Programs).rfind(startMenu + L"\\", 0), 0u);
}

TEST(Win32ShellFoldersTest, UnknownFolderGivesEmptyText) {
  Win32ShellFolders folders;
  EXPECT_EQ(folders.SpecialFolderPath(static_cast<SpecialFolder>(0x00ff)), L"");
}
