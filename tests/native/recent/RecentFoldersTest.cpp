#include "recent/RecentFolders.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/WindowHarness.h"

namespace kalvora::recent {
namespace {

using kalvora::testing::ConfirmSmartFolderDialog;
using kalvora::testing::WindowHarness;

// The window's open folder windows as the refresh sees them; each test says
// what a scan would add.
class FakeOpenFolders : public RecentFoldersHost {
 public:
  void StartFolderShortcuts() override { ++starts; }
  void ScanOpenFolderWindows() override { ++scans; }
  bool RecordRunningFolders() override { return foldersToAdd; }
  bool RecentItemsTracked() override { return tracked; }
  bool tracked = true;
  int starts = 0;
  int scans = 0;
  bool foldersToAdd = false;
};

class RecentFoldersTest : public ::testing::Test {
 protected:
  RecentFoldersTest() {
    h.SetUserKey(L"EdtRECPath", L"C:\\Records\\");
    h.process.dialogs().AnswerDialogs([](auto& s) { return ConfirmSmartFolderDialog(s, true); });
    window = &h.Create();
    h.machine.files().CreateDirectoryTree(L"C:\\Records");
    recentFolder = h.platform.folders.SpecialFolderPath(platform::SpecialFolder::Recent);
    recentDocuments = std::make_unique<capture::RecentDocuments>(h.platform, window->Documents(),
                                                                 window->SettingsDialog(), window->WindowSettings());
    recorder = std::make_unique<RecentFolderRecorder>(window->State(), window->SmartFolderDialog(),
                                                      window->Settings(), *recentDocuments, openFolders,
                                                      window->Records());
  }

  // A folder the user opened: it exists and the Recent folder has a shortcut to it.
  void OpenFolder(const std::wstring& folder, const std::wstring& name) {
    h.machine.files().CreateDirectoryTree(folder);
    h.machine.links().AddShortcut(recentFolder + L"\\" + name + L".lnk", platform::sim::SimShortcut{folder});
  }
  bool Saved(const std::wstring& record) { return h.machine.files().FileExists(L"C:\\Records\\" + record); }
  std::size_t Roots() { return window->Documents().TVDocs().Roots().size(); }

  WindowHarness h;
  app::TRevistoWindow* window = nullptr;
  std::wstring recentFolder;
  FakeOpenFolders openFolders;
  std::unique_ptr<capture::RecentDocuments> recentDocuments;
  std::unique_ptr<RecentFolderRecorder> recorder;
};

TEST_F(RecentFoldersTest, NewRecentFolderIsAddedAndSavedAsTheRecentFoldersRecord) {
  h.machine.files().AddDrive(L'D');
  OpenFolder(L"D:\\Projects", L"Projects");
  window->State().Memo1.clear();

  recorder->RefreshRecentFolders();

  EXPECT_EQ(window->State().Memo1, (std::vector<std::wstring>{L"real-time rec folder", L" rec exists folder"}));
  EXPECT_EQ(openFolders.starts, 1);
  EXPECT_EQ(openFolders.scans, 1);
  EXPECT_EQ(Roots(), 1u);
  EXPECT_TRUE(Saved(L"Recent Folders.revisto"));
  EXPECT_TRUE(Saved(L"Recent Folders.revistotreesel"));
  EXPECT_EQ(window->State().CurrentRecordPath, L"C:\\Records\\Recent Folders.revisto");
  EXPECT_FALSE(window->State().FolderRecordFlag);  // the save took it
  EXPECT_EQ(window->Layout().recordList, std::vector<std::wstring>{L"Recent Folders"});
}

TEST_F(RecentFoldersTest, NothingNewMeansNoSaveUnlessANewRecordIsWanted) {
  recorder->RefreshRecentFolders();
  EXPECT_FALSE(Saved(L"Recent Folders.revisto"));

  openFolders.foldersToAdd = true;  // an open folder window not yet in the tree
  recorder->RefreshRecentFolders();
  EXPECT_TRUE(Saved(L"Recent Folders.revisto"));

  h.machine.files().RemoveFile(L"C:\\Records\\Recent Folders.revisto");
  openFolders.foldersToAdd = false;
  window->State().NewRecordFlag = true;
  recorder->RefreshRecentFolders();
  EXPECT_TRUE(Saved(L"Recent Folders.revisto"));
}

TEST_F(RecentFoldersTest, SettingsDecideWhatARefreshDoes) {
  OpenFolder(L"C:\\Work\\Plans", L"Plans");
  auto& settings = window->SmartFolderDialog();

  // Real-time recording only: the shortcut writer runs, the tree stays as it is.
  settings.CbRealTimeRecFolder = true;
  settings.CbRefreshRecentFolder = false;
  recorder->RefreshRecentFolders();
  EXPECT_EQ(openFolders.starts, 1);
  EXPECT_EQ(openFolders.scans, 0);
  EXPECT_EQ(Roots(), 0u);

  // Refresh only: items are added and the save goes where a plain save goes.
  settings.CbRealTimeRecFolder = false;
  settings.CbRefreshRecentFolder = true;
  window->State().CurrentRecordPath.clear();
  window->State().FolderRecordFlag = false;
  h.machine.SetNow({2026, 12, 10, 12, 0, 0, 0});
  recorder->RefreshRecentFolders();
  EXPECT_EQ(openFolders.starts, 1);
  EXPECT_EQ(Roots(), 1u);
  EXPECT_FALSE(Saved(L"Recent Folders.revisto"));
  EXPECT_TRUE(Saved(L"Dec 10,2026_001.revisto"));
}

TEST_F(RecentFoldersTest, TrackingTurnedOffIsToldOnceInTheTrace) {
  auto offLines = [&] {
    return std::count(window->State().Memo1.begin(), window->State().Memo1.end(), std::wstring(RecentItemsOffLine));
  };
  window->State().Memo1.clear();
  openFolders.tracked = false;
  for (int i = 0; i < 3; ++i) recorder->RefreshRecentFolders();
  EXPECT_EQ(offLines(), 1);
  EXPECT_EQ(openFolders.starts, 3) << "the writer still runs, and writes nothing";

  openFolders.tracked = true;
  recorder->RefreshRecentFolders();
  openFolders.tracked = false;
  recorder->RefreshRecentFolders();
  EXPECT_EQ(offLines(), 2) << "turned off again: told again";
}

}  // namespace
}  // namespace kalvora::recent
