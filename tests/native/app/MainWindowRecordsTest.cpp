#include <gtest/gtest.h>

#include "support/WindowHarness.h"

namespace kalvora::testing {
namespace {

// The window created, the Smart Folder Settings dialog confirmed.
struct ProgramStart {
  explicit ProgramStart(WindowHarness& h)
      : window((h.process.dialogs().AnswerDialogs([](auto& s) { return ConfirmSmartFolderDialog(s, true); }),
                h.Create())) {}
  app::TRevistoWindow& window;
};

// What is saved from the tree comes back, groups expanded as they were, when
// the record is opened again.
TEST(MainWindowRecords, SavedRecordOpensAgainWithItsTreeAndExpansion) {
  WindowHarness h;
  h.SetUserKey(L"EdtRECPath", L"C:\\Records\\");
  ProgramStart start(h);
  auto& window = start.window;

  auto& documents = window.Documents();
  for (const wchar_t* folder : {L"C:\\Users\\joe\\Music", L"C:\\Data\\Reports", L"C:\\Data\\Old"})
    h.machine.files().CreateDirectoryTree(folder);
  documents.AddItem(L"C:\\Users\\joe\\Music", L"");
  documents.AddItem(L"C:\\Data\\Reports", L"");
  documents.AddItem(L"C:\\Data\\Old", L"");
  documents.AddItem(L"http://www.example.com/news.html", L"News");
  auto& all = documents.TVDocs();
  // The user opens one group; the others stay as they were made, closed.
  const auto usersGroup = all.FindFirstByText(L"C:\\Users");
  all.SetExpanded(usersGroup, true);
  window.OnTreeNodeExpanded(window::PageAll, usersGroup, true);

  // The recently-open-folders mode points the save at its own record.
  window.Records().SaveAndRefresh();
  ASSERT_EQ(window.Layout().recordList, std::vector<std::wstring>{L"Recent Folders"});

  documents.Clear();
  window.OnRecordSelected(0);

  std::vector<std::wstring> shown;
  for (auto root : all.Roots()) {
    std::wstring line = all.Node(root).text + (all.Node(root).expanded ? L"+" : L"-") + L"{";
    for (auto child : all.Node(root).children) line += all.Node(child).text + L";";
    shown.push_back(line + L"}");
  }
  EXPECT_EQ(shown, (std::vector<std::wstring>{L"www.example.com-{News;}", L"C:\\Data-{Reports;Old;}",
                                              L"C:\\Users+{joe\\Music;}"}));
  EXPECT_EQ(documents.TVDoc().Roots().size(), 1u);
  EXPECT_EQ(documents.TVPath().Roots().size(), 2u);
  EXPECT_EQ(window.State().CurrentRecordPath, L"C:\\Records\\Recent Folders.revisto");
}


// The program's main job on a simulated machine: folders the user opened
// appear in the tree at start and on "Refresh", and "Recent Folders" is saved.
TEST(MainWindowRecords, RecentFoldersAppearAtStartAndOnRefresh) {
  WindowHarness h;
  h.SetUserKey(L"EdtRECPath", L"C:\\Records\\");
  const std::wstring recent = h.platform.folders.SpecialFolderPath(platform::SpecialFolder::Recent);
  auto openFolder = [&](const std::wstring& folder, const std::wstring& name) {
    h.machine.files().CreateDirectoryTree(folder);
    h.machine.links().AddShortcut(recent + L"\\" + name + L".lnk", platform::sim::SimShortcut{folder});
  };
  openFolder(L"C:\\Projects\\Alpha", L"Alpha");
  ProgramStart start(h);
  auto& window = start.window;

  const std::wstring record = L"C:\\Records\\Recent Folders.revisto";
  ASSERT_TRUE(h.machine.files().FileExists(record));
  EXPECT_TRUE(h.machine.files().FileExists(L"C:\\Records\\Recent Folders.revistotreesel"));
  EXPECT_TRUE(window.Documents().ItemInTree(L"C:\\Projects", L""));
  EXPECT_TRUE(h.view.TimerEnabled(app::TimerId::RecFolders));
  EXPECT_TRUE(h.view.TimerEnabled(app::TimerId::FolderShortcuts));

  openFolder(L"D:\\Music", L"Music");
  h.machine.files().AddDrive(L'D');
  openFolder(L"D:\\Music", L"Music");
  window.OnCommand(app::Command::Refresh2);
  EXPECT_TRUE(window.Documents().CheckIfRecentDocInTreeNode(L"D:\\Music"));
  EXPECT_NE(h.machine.files().ReadFile(record)->find("D:\\Music"), std::string::npos);
}

// With the default 10-second refresh the open-folder shortcut writer still
// ticks on its own 10 seconds: each refresh leaves its running timer alone.
TEST(MainWindowRecords, ShortcutWriterTicksWhileTheRefreshRuns) {
  WindowHarness h;
  h.SetUserKey(L"EdtRECPath", L"C:\\Records\\");
  ProgramStart start(h);
  ASSERT_EQ(start.window.RecFoldersInterval(), 10000u);
  ASSERT_TRUE(start.window.RecFoldersEnabled());
  h.machine.files().CreateDirectoryTree(L"C:\\Work\\Plans");
  h.process.shellWindows().OpenExplorer(L"C:\\Work\\Plans");
  const std::wstring shortcut =
      h.platform.folders.SpecialFolderPath(platform::SpecialFolder::Recent) + L"\\Plans.lnk";

  h.view.AdvanceTime(120000);

  EXPECT_GE(h.view.tickCount[app::TimerId::RecFolders], 11);
  EXPECT_GE(h.view.tickCount[app::TimerId::FolderShortcuts], 11);
  EXPECT_TRUE(h.machine.files().FileExists(shortcut));
}

}  // namespace
}  // namespace kalvora::testing

namespace kalvora::testing {
namespace {

// A run goes on with the record "Recent Folders": a folder the user put into
// it by hand, which the Recent folder does not list, is still there after a
// restart, and the first save of the new run keeps it beside what is new.
TEST(MainWindowRecords, HandAddedFolderSurvivesARestart) {
  WindowHarness h;
  h.SetUserKey(L"EdtRECPath", L"C:\\Records\\");
  const std::wstring recent = h.platform.folders.SpecialFolderPath(platform::SpecialFolder::Recent);
  auto openFolder = [&](const std::wstring& folder, const std::wstring& name) {
    h.machine.files().CreateDirectoryTree(folder);
    h.machine.links().AddShortcut(recent + L"\\" + name + L".lnk", platform::sim::SimShortcut{folder});
  };
  const std::wstring record = L"C:\\Records\\Recent Folders.revisto";
  openFolder(L"C:\\Projects\\Alpha", L"Alpha");
  {
    ProgramStart first(h);
    h.machine.files().AddDrive(L'D');
    h.machine.files().CreateDirectoryTree(L"D:\\Hand\\Added");
    first.window.Documents().AddItem(L"D:\\Hand\\Added", L"");
    first.window.Records().SaveAndRefresh();
    ASSERT_NE(h.machine.files().ReadFile(record)->find("D:\\Hand\\Added"), std::string::npos);
    first.window.FormCloseQuery();
  }
  h.window.reset();

  openFolder(L"C:\\Work\\Beta", L"Beta");
  ProgramStart second(h);
  auto& documents = second.window.Documents();
  EXPECT_TRUE(documents.CheckIfRecentDocInTreeNode(L"D:\\Hand\\Added")) << "the hand-added folder is gone";
  EXPECT_TRUE(documents.CheckIfRecentDocInTreeNode(L"C:\\Work\\Beta"));
  EXPECT_TRUE(documents.CheckIfRecentDocInTreeNode(L"C:\\Projects\\Alpha"));
  const auto saved = h.machine.files().ReadFile(record);
  ASSERT_TRUE(saved);
  EXPECT_NE(saved->find("D:\\Hand\\Added"), std::string::npos) << "the first save of the run dropped it";
  EXPECT_NE(saved->find("C:\\Work\\Beta"), std::string::npos);
}

}  // namespace
}  // namespace kalvora::testing
