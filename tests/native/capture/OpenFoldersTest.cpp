// The open folder windows and Internet Explorer pages read from the shell's
// window list, and the folders among them handed to the document tree.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "capture/OpenFolders.h"
#include "common/WideText.h"
#include "support/DocumentTreeHarness.h"

namespace kalvora::capture {
namespace {

using platform::sim::SimShellWindows;
using testing::Shape;

struct OpenFoldersTest : ::testing::Test {
  testing::DocumentTreeHarness h;
  SimShellWindows& shell = h.process.shellWindows();
  platform::Platform platform = h.process.Platform();
  TWebbrowserActiveUrl browsers{h.process.dde(), h.machine.text()};
  OpenFolderLists lists;

  OpenFoldersTest() {
    h.AddFolder(L"C:\\Users\\me\\My Documents");
    h.AddFolder(L"D:\\Projects");
    h.machine.files().AddDrive(L'E');
    h.machine.drives().SetDriveType(L'E', platform::DriveRemovable);
  }

  // Each entry as "path|title".
  std::vector<std::wstring> Listed() const {
    std::vector<std::wstring> out;
    for (std::size_t i = 0; i < lists.files.size(); ++i) out.push_back(lists.files[i] + L"|" + lists.titles[i]);
    return out;
  }
};

TEST_F(OpenFoldersTest, ShellWindowsGiveEachFolderOnceAndPagesOnlyWhenWanted) {
  shell.OpenExplorer(L"C:\\Users\\me\\My Documents");
  shell.OpenExplorer(L"C:\\");
  shell.OpenExplorer(L"E:\\");
  shell.OpenExplorer(L"\\\\server\\share\\dir");
  shell.OpenVirtualPlace();                              // Computer: no location
  shell.OpenExplorer(L"c:\\users\\me\\my documents");   // the same folder again
  shell.OpenExplorer(L"D:\\100%20 off");                // a literal "%20" in a name
  shell.OpenBrowser(L"about:blank", L"Blank");
  shell.OpenBrowser(L"http://example.com/", L"Example Domain");
  shell.OpenBrowser(L"http://untitled.example/", std::nullopt);
  shell.OpenLoading(L"http://loading.example/");
  ASSERT_EQ(SimShellWindows::FileUrl(L"C:\\Users\\me\\My Documents"), L"file:///C:/Users/me/My%20Documents");

  const std::vector<std::wstring> folders = {
      L"C:\\Users\\me\\My Documents|My Documents", L"C:\\|C:", L"E:\\|Removable Disk (E:)",
      L"\\\\server\\share\\dir|\\\\server\\share\\dir", L"D:\\100%20 off|100%20 off"};
  ASSERT_TRUE(ScanFoldersAndPages(platform, h.tree.Paths(), lists, false, browsers));
  EXPECT_EQ(Listed(), folders);

  std::vector<std::wstring> withPages = folders;
  withPages.push_back(L"http://example.com/|Example Domain");
  withPages.push_back(L"http://untitled.example/|http://untitled.example/");
  ASSERT_TRUE(ScanFoldersAndPages(platform, h.tree.Paths(), lists, true, browsers));
  EXPECT_EQ(Listed(), withPages);

  ASSERT_TRUE(ScanOpenFolderWindows(platform, h.tree.Paths(), lists));
  EXPECT_EQ(Listed(), folders);
}

// The shell escapes "#", "%" and blanks in a folder's URL; the path is the
// URL decoded whole and once.
TEST_F(OpenFoldersTest, FolderUrlsAreDecodedWholeAndOnce) {
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L"D:\\C# code", L"D:\\C# code|C# code"},
      {L"D:\\50% #1", L"D:\\50% #1|50% #1"},
      {L"D:\\a%23b", L"D:\\a%23b|a%23b"},
  };
  for (const auto& [folder, listed] : cases) {
    SCOPED_TRACE(text::WideToUtf8(folder));
    h.AddFolder(folder);
    const int window = shell.OpenExplorer(folder);
    ASSERT_TRUE(ScanOpenFolderWindows(platform, h.tree.Paths(), lists));
    EXPECT_EQ(Listed(), std::vector<std::wstring>{listed});
    shell.Close(window);
  }
  shell.OpenExplorer(L"D:\\C# code");
  ASSERT_TRUE(ScanOpenFolderWindows(platform, h.tree.Paths(), lists));
  RecordRunningFolders(platform, h.tree, lists);
  const std::wstring all = Shape(h.tree.TVDocs());
  EXPECT_NE(all.find(L"C# code"), std::wstring::npos);
  // The next pass finds it in the tree.
  RecordRunningFolders(platform, h.tree, lists);
  EXPECT_EQ(Shape(h.tree.TVDocs()), all);
}

TEST_F(OpenFoldersTest, NoShellWindowListLeavesTheListsEmpty) {
  lists.files = {L"C:\\old"};
  lists.titles = {L"old"};
  shell.SetUnavailable(true);
  EXPECT_FALSE(ScanFoldersAndPages(platform, h.tree.Paths(), lists, true, browsers));
  EXPECT_TRUE(lists.files.empty());
  EXPECT_TRUE(lists.titles.empty());
}

TEST_F(OpenFoldersTest, InFolderListIgnoresCaseAndBlanks) {
  lists.files = {L" C:\\Data "};
  lists.titles = {L"Data"};
  EXPECT_TRUE(InFolderList(h.machine.text(), lists, L"c:\\data"));
  EXPECT_FALSE(InFolderList(h.machine.text(), lists, L"c:\\data\\"));
}

TEST_F(OpenFoldersTest, RemovableDiskTitleOnlyForRemovableDrives) {
  EXPECT_EQ(RemovableDiskTitle(platform, L"e:"), L"Removable Disk (e:)");
  EXPECT_EQ(RemovableDiskTitle(platform, L"C:"), L"C:");
  EXPECT_EQ(RemovableDiskTitle(platform, L"Projects"), L"Projects");
  EXPECT_EQ(RemovableDiskTitle(platform, L"E"), L"E");
  EXPECT_EQ(RemovableDiskTitle(platform, L""), L"");
}

TEST_F(OpenFoldersTest, OnlyExistingDriveFoldersNotInTheTreeAreRecorded) {
  h.AddFolder(L"C:\\Work");
  h.tree.AddItem(L"C:\\Work\\", L"Work");  // in the tree with a trailing backslash
  shell.OpenExplorer(L"D:\\Projects");
  shell.OpenExplorer(L"C:\\Work");
  shell.OpenExplorer(L"\\\\server\\share\\dir");  // a network folder is listed, not recorded
  shell.OpenExplorer(L"D:\\Gone");                // no longer exists
  shell.OpenBrowser(L"http://example.com/", L"Example Domain");
  ASSERT_TRUE(ScanFoldersAndPages(platform, h.tree.Paths(), lists, true, browsers));
  ASSERT_EQ(lists.files.size(), 5u);
  const int before = h.EntryCount();

  EXPECT_TRUE(RecordRunningFolders(platform, h.tree, lists));
  ASSERT_EQ(h.EntryCount(), before + 1);
  EXPECT_EQ(h.tree.Docs().Entries().back().path, L"D:\\Projects\\");
  EXPECT_TRUE(FolderInTree(platform, h.tree, L"d:\\projects\\"));

  // A second pass finds everything in the tree already.
  EXPECT_FALSE(RecordRunningFolders(platform, h.tree, lists));
  EXPECT_EQ(h.EntryCount(), before + 1);
}

TEST_F(OpenFoldersTest, FolderInTreeLooksAtRootsAndTheirChildren) {
  h.AddFolder(L"D:\\Projects\\Alpha\\Deep");
  h.tree.AddItem(L"D:\\Projects\\Alpha", L"Alpha");
  h.tree.AddItem(L"D:\\Projects\\Alpha\\Deep", L"Deep");
  EXPECT_TRUE(FolderInTree(platform, h.tree, L"   "));
  EXPECT_FALSE(FolderInTree(platform, h.tree, L"D:\\Elsewhere"));
  // Whatever the tree's shape, each added folder is found by its own path.
  EXPECT_TRUE(FolderInTree(platform, h.tree, L"D:\\Projects\\Alpha"));
}

// A dot in a folder's name is part of the name: such a folder is found
// once recorded, and a second pass reports nothing new.
TEST_F(OpenFoldersTest, FoldersWithDotsInTheirNamesAreRecordedOnce) {
  for (const wchar_t* folder : {L"D:\\Mr. Smith", L"D:\\v1.2 beta", L"C:\\Users\\me\\archive.old"}) {
    SCOPED_TRACE(folder);
    h.AddFolder(folder);
    shell.OpenExplorer(folder);
    ASSERT_TRUE(ScanOpenFolderWindows(platform, h.tree.Paths(), lists));

    EXPECT_TRUE(RecordRunningFolders(platform, h.tree, lists));
    EXPECT_TRUE(FolderInTree(platform, h.tree, folder));
    const int entries = h.EntryCount();
    EXPECT_FALSE(RecordRunningFolders(platform, h.tree, lists)) << "nothing was inserted";
    EXPECT_EQ(h.EntryCount(), entries);
  }
}

TEST_F(OpenFoldersTest, AddedToTreeIsTrueOnlyWhenTheTreeGrew) {
  EXPECT_TRUE(AddedToTree(h.tree, L"D:\\Projects", L"Projects"));
  EXPECT_FALSE(AddedToTree(h.tree, L"D:\\Projects", L"Projects")) << "already there";
  EXPECT_FALSE(AddedToTree(h.tree, L"D:\\Projects\\", L"Projects")) << "the same folder";
}

// The search through the tree reads paths quietly: the hint panel shows the
// last path looked at, once, however large the tree.
TEST_F(OpenFoldersTest, FolderInTreeShowsOneHintPerSearch) {
  for (int i = 0; i < 30; ++i) {
    const std::wstring folder = L"D:\\Projects\\p" + std::to_wstring(i);
    h.AddFolder(folder);
    h.tree.AddItem(folder, L"");
  }
  h.host.hints.clear();
  EXPECT_FALSE(FolderInTree(platform, h.tree, L"D:\\Elsewhere"));
  EXPECT_EQ(h.host.hints.size(), 1u);
  h.host.hints.clear();
  EXPECT_TRUE(FolderInTree(platform, h.tree, L"D:\\Projects\\p3"));
  EXPECT_EQ(h.host.hints.size(), 1u);
}

}  // namespace
}  // namespace kalvora::capture
