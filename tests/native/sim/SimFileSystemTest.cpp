#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "../../shared/FileSystemCases.h"
#include "platform/sim/SimFileSystem.h"

namespace kalvora::platform::sim {
namespace {

TEST(SimFileSystem, CreatesNestedFoldersAndFindsThemIgnoringCase) {
  SimFileSystem fs;
  ASSERT_TRUE(fs.CreateDirectoryTree(L"C:\\Users\\Joe\\Documents\\Kalvora"));
  EXPECT_TRUE(fs.DirectoryExists(L"c:\\users\\JOE\\documents"));
  EXPECT_TRUE(fs.DirectoryExists(L"C:\\USERS\\joe\\Documents\\kalvora\\"));
  EXPECT_TRUE(fs.DirectoryExists(L"c:/users/joe/documents/kalvora"));
  EXPECT_FALSE(fs.FileExists(L"C:\\Users\\Joe\\Documents\\Kalvora"));
  // Creating what exists already succeeds and keeps the first spelling.
  EXPECT_TRUE(fs.CreateDirectoryTree(L"c:\\USERS\\joe"));
  EXPECT_EQ(fs.ListFolder(L"C:\\"), std::vector<std::wstring>{L"Users"});
}

TEST(SimFileSystem, FilesAreFoundIgnoringCaseAndKeepTheirBytes) {
  SimFileSystem fs;
  fs.CreateDirectoryTree(L"C:\\d");
  const std::string bytes("\xff\xfe" "a\0b\0", 6);
  ASSERT_TRUE(fs.WriteFile(L"C:\\d\\Notes.TXT", bytes));
  EXPECT_TRUE(fs.FileExists(L"c:\\D\\notes.txt"));
  EXPECT_FALSE(fs.DirectoryExists(L"c:\\D\\notes.txt"));
  EXPECT_EQ(fs.ReadFile(L"C:\\D\\NOTES.txt"), bytes);
  // Rewriting under another spelling replaces the content, not the name.
  ASSERT_TRUE(fs.WriteFile(L"c:\\d\\notes.txt", "x"));
  EXPECT_EQ(fs.ReadFile(L"C:\\d\\Notes.TXT"), "x");
  EXPECT_EQ(fs.ListFolder(L"C:\\d"), std::vector<std::wstring>{L"Notes.TXT"});
  EXPECT_TRUE(fs.RemoveFile(L"C:\\D\\NOTES.TXT"));
  EXPECT_FALSE(fs.FileExists(L"C:\\d\\notes.txt"));
  EXPECT_EQ(fs.ReadFile(L"C:\\d\\notes.txt"), std::nullopt);
}

struct RefusedFolder {
  const char* name;
  std::wstring path;
  std::wstring mustNotExist;
};

void PrintTo(const RefusedFolder& c, std::ostream* os) { *os << c.name; }

class SimFileSystemRefuses : public ::testing::TestWithParam<RefusedFolder> {};

TEST_P(SimFileSystemRefuses, CreateDirectoryTree) {
  SimFileSystem fs;
  fs.AddFile(L"C:\\a\\file.txt", "data");
  fs.CreateDirectoryTree(L"C:\\locked\\inner");
  fs.DenyWrites(L"C:\\locked");
  const RefusedFolder& c = GetParam();
  EXPECT_FALSE(fs.CreateDirectoryTree(c.path));
  EXPECT_FALSE(fs.DirectoryExists(c.mustNotExist));
  EXPECT_EQ(fs.ReadFile(L"C:\\a\\file.txt"), "data");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SimFileSystemRefuses,
    ::testing::Values(RefusedFolder{"FileInTheWay", L"C:\\a\\file.txt\\sub", L"C:\\a\\file.txt\\sub"},
                      RefusedFolder{"FileAtThePath", L"C:\\a\\FILE.TXT", L"C:\\a\\file.txt"},
                      RefusedFolder{"MissingDrive", L"D:\\data\\x", L"D:\\data"},
                      RefusedFolder{"DeniedFolder", L"C:\\locked\\new", L"C:\\locked\\new"},
                      RefusedFolder{"BelowDeniedFolder", L"C:\\locked\\inner\\new\\deeper", L"C:\\locked\\inner\\new"},
                      RefusedFolder{"RelativePath", L"data\\x", L"C:\\data"},
                      RefusedFolder{"InvalidCharacter", L"C:\\a\\b?c", L"C:\\a\\b?c"}),
    [](const ::testing::TestParamInfo<RefusedFolder>& info) { return std::string(info.param.name); });

TEST(SimFileSystem, AddedDriveHoldsFoldersAndRemovedDriveLosesThem) {
  SimFileSystem fs;
  EXPECT_FALSE(fs.DirectoryExists(L"D:\\"));
  fs.AddDrive(L'd');
  EXPECT_TRUE(fs.DirectoryExists(L"D:\\"));
  ASSERT_TRUE(fs.CreateDirectoryTree(L"d:\\x\\y"));
  fs.RemoveDrive(L'D');
  EXPECT_FALSE(fs.DirectoryExists(L"D:\\x"));
  EXPECT_FALSE(fs.CreateDirectoryTree(L"D:\\x"));
  EXPECT_TRUE(fs.DirectoryExists(L"C:\\"));
}

TEST(SimFileSystem, WritesNeedAnExistingWritableFolder) {
  SimFileSystem fs;
  EXPECT_FALSE(fs.WriteFile(L"C:\\missing\\f.txt", "x"));
  EXPECT_FALSE(fs.DirectoryExists(L"C:\\missing"));
  fs.CreateDirectoryTree(L"C:\\dir\\sub");
  EXPECT_FALSE(fs.WriteFile(L"C:\\dir\\sub", "x")) << "a folder is not a file";
  fs.AddFile(L"C:\\locked\\f.txt", "old");
  fs.DenyWrites(L"C:\\locked");
  EXPECT_FALSE(fs.WriteFile(L"C:\\locked\\f.txt", "new"));
  EXPECT_FALSE(fs.WriteFile(L"C:\\LOCKED\\g.txt", "new"));
  EXPECT_FALSE(fs.RemoveFile(L"C:\\locked\\f.txt"));
  EXPECT_EQ(fs.ReadFile(L"C:\\locked\\f.txt"), "old");
  fs.AllowWrites(L"c:\\Locked");
  EXPECT_TRUE(fs.WriteFile(L"C:\\locked\\f.txt", "new"));
}

TEST(SimFileSystem, PathsAreNormalisedTheWindowsWay) {
  EXPECT_EQ(SimFileSystem::Normalize(L"c:\\a\\\\b\\.\\c\\..\\d\\"), L"C:\\a\\b\\d");
  EXPECT_EQ(SimFileSystem::Normalize(L"C:\\a\\b. \\c"), L"C:\\a\\b\\c");
  EXPECT_EQ(SimFileSystem::Normalize(L"C:\\"), L"C:");
  EXPECT_EQ(SimFileSystem::Normalize(L"C:\\.."), L"C:");
  EXPECT_EQ(SimFileSystem::Normalize(L"\\\\server\\share"), std::nullopt);
  EXPECT_EQ(SimFileSystem::Normalize(L"C:\\a|b"), std::nullopt);
}

TEST(SimFileSystem, FailNextWriteLeavesTheFileAsItWas) {
  SimFileSystem fs;
  fs.AddFile(L"C:\\d\\f.txt", "old");
  fs.FailNextWrite();
  EXPECT_FALSE(fs.WriteFile(L"C:\\d\\f.txt", "new"));
  EXPECT_EQ(fs.ReadFile(L"C:\\d\\f.txt"), "old");
  EXPECT_TRUE(fs.WriteFile(L"C:\\d\\f.txt", "new")) << "only one write fails";
  EXPECT_EQ(fs.ReadFile(L"C:\\d\\f.txt"), "new");
}

TEST(SimFileSystem, FullDiskTruncatesTheWriteThatCrossesTheLimit) {
  SimFileSystem fs;
  fs.CreateDirectoryTree(L"C:\\d");
  fs.FailWritesAfter(6);
  EXPECT_TRUE(fs.WriteFile(L"C:\\d\\a.txt", "1234"));
  EXPECT_FALSE(fs.WriteFile(L"C:\\d\\b.txt", "abcdef"));
  EXPECT_EQ(fs.ReadFile(L"C:\\d\\b.txt"), "ab");
  EXPECT_FALSE(fs.WriteFile(L"C:\\d\\a.txt", "zz")) << "the disk stays full";
  EXPECT_EQ(fs.ReadFile(L"C:\\d\\a.txt"), "");
  EXPECT_EQ(fs.WriteCount(), 1u);
  fs.ClearWriteFaults();
  EXPECT_TRUE(fs.WriteFile(L"C:\\d\\a.txt", "zz"));
}

TEST(SimFileSystem, AddFileSetsUpPastDenialsButNotPastMissingDrives) {
  SimFileSystem fs;
  fs.CreateDirectoryTree(L"C:\\locked");
  fs.DenyWrites(L"C:\\locked");
  fs.FailNextWrite();
  fs.AddFile(L"C:\\locked\\deep\\f.txt", "x");
  EXPECT_EQ(fs.ReadFile(L"C:\\locked\\deep\\f.txt"), "x");
  EXPECT_THROW(fs.AddFile(L"E:\\f.txt", "x"), std::logic_error);
  EXPECT_THROW(fs.AddFile(L"C:\\locked\\deep\\f.txt\\g.txt", "x"), std::logic_error);
  fs.CreateDirectoryTree(L"C:\\free");
  EXPECT_FALSE(fs.WriteFile(L"C:\\free\\g.txt", "y")) << "the fault still waits for a real write";
  EXPECT_FALSE(fs.FileExists(L"C:\\free\\g.txt"));
}

TEST(SimFileSystem, SharesHoldFoldersAndFilesLikeDrives) {
  SimFileSystem fs;
  EXPECT_FALSE(fs.CreateDirectoryTree(L"\\\\Server\\Public\\a")) << "no such share yet";
  fs.AddShare(L"\\\\Server\\Public");
  EXPECT_TRUE(fs.DirectoryExists(L"\\\\server\\public\\"));
  ASSERT_TRUE(fs.CreateDirectoryTree(L"\\\\server\\PUBLIC\\a\\b"));
  ASSERT_TRUE(fs.WriteFile(L"\\\\server\\public\\a\\f.txt", "x"));
  EXPECT_EQ(fs.ReadFile(L"\\\\?\\UNC\\SERVER\\public\\a\\F.TXT"), "x");
  EXPECT_EQ(fs.ListFolder(L"\\\\Server\\Public"), std::vector<std::wstring>{L"a"});
  EXPECT_EQ(SimFileSystem::Canonical(L"\\\\Server\\Public\\a\\..\\..\\b\\"), L"\\\\Server\\Public\\b");
  EXPECT_EQ(SimFileSystem::Canonical(L"\\\\?\\c:\\x"), L"C:\\x");
  EXPECT_EQ(SimFileSystem::Canonical(L"\\\\server"), std::nullopt);
  EXPECT_EQ(SimFileSystem::Canonical(L"\\\\server\\sh|are"), std::nullopt);
  EXPECT_THROW(fs.AddShare(L"\\\\server\\public\\a"), std::logic_error);
  EXPECT_THROW(fs.AddShare(L"C:\\"), std::logic_error);
}

// The cases the real file system answers alike (the Windows suite runs them
// under Wine).
class SimFileSystemCases : public ::testing::Test {
 protected:
  SimFileSystemCases() {
    fs.AddFolder(L"C:\\Scratch");
    fs.AddShare(L"\\\\fileserver\\public");
  }
  file_system_cases::Scratch Scratch() {
    return {fs, L"C:\\Scratch", L"\\\\fileserver\\public", L"Q:",
            [this](const std::wstring& path, std::uint32_t attributes) { fs.SetAttributes(path, attributes); }};
  }
  SimFileSystem fs;
};

TEST_F(SimFileSystemCases, CreateDirectoryTree) { file_system_cases::CheckCreateDirectoryTree(Scratch()); }
TEST_F(SimFileSystemCases, FindFilesMasks) { file_system_cases::CheckFindFilesMasks(Scratch()); }
TEST_F(SimFileSystemCases, FindFilesEntries) { file_system_cases::CheckFindFilesEntries(Scratch()); }
TEST_F(SimFileSystemCases, DotNamesAreNotHidden) { file_system_cases::CheckDotNamesAreNotHidden(Scratch()); }
TEST_F(SimFileSystemCases, WholeFileWrites) { file_system_cases::CheckWholeFileWrites(Scratch()); }
TEST_F(SimFileSystemCases, MoveFileOver) { file_system_cases::CheckMoveFileOver(Scratch()); }
TEST_F(SimFileSystemCases, ReadOnlyFilesAreNotRemoved) {
  file_system_cases::CheckReadOnlyFilesAreNotRemoved(Scratch());
}

}  // namespace
}  // namespace kalvora::platform::sim
