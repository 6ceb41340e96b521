#include <gtest/gtest.h>

#include "support/WindowHarness.h"

namespace kalvora::testing {
namespace {

using app::Command;

TEST(MainWindowTrees, TheViewShowsTheFourTreesAndTheWebTabAppearsWithTheFirstPage) {
  WindowHarness h;
  auto& window = h.Create();
  auto& documents = window.Documents();
  EXPECT_EQ(h.view.trees[window::PageAll], &documents.TVDocs());
  EXPECT_EQ(h.view.trees[window::PageWebPage], &documents.TVDoc());
  EXPECT_EQ(h.view.allTreeImages, documents.ImageList222());
  EXPECT_EQ(h.process.imageLists().Images(documents.ImageList222()).size(), 78u);

  documents.AddItem(L"http://www.example.com/a.html", L"A page");
  EXPECT_TRUE(h.view.shown.pages[window::PageWebPage].visible);
  documents.ItemInTree(L"http://www.example.com/a.html", L"");
  EXPECT_EQ(h.view.hint, L"http://www.example.com/a.html");
}

TEST(MainWindowTrees, DebugCommandSwitchesTheTraceMemoInPlaceOfTheHiddenListPage) {
  WindowHarness h;
  auto& window = h.Create();
  window.OnCommand(Command::Debug);
  EXPECT_TRUE(h.view.shown.traceVisible);
  EXPECT_FALSE(h.view.shown.hiddenListPageVisible);
  window.Documents().AddNewFileNameToDocTree(L"C:\\Users", L"");
  ASSERT_FALSE(h.view.shown.traceLines.empty());
  EXPECT_EQ(h.view.shown.traceLines.front(), L"AddNewFileNameToDocTree ,C:\\Users,");

  window.OnCommand(Command::Debug);
  EXPECT_FALSE(h.view.shown.traceVisible);
  EXPECT_TRUE(h.view.shown.hiddenListPageVisible);
  EXPECT_TRUE(h.view.shown.traceLines.empty());
}

TEST(MainWindowTrees, CollapsingAGroupInTheAllTreeIsKeptInItsEntry) {
  WindowHarness h;
  auto& window = h.Create();
  auto& documents = window.Documents();
  h.machine.files().CreateDirectoryTree(L"C:\\Users\\joe\\Music");
  documents.AddItem(L"C:\\Users\\joe\\Music", L"");
  const auto root = documents.TVDocs().Roots().front();
  const int entry = documents.TVDocs().Node(root).data.DocIndex;
  ASSERT_TRUE(documents.Docs()[entry].expanded);

  documents.TVDocs().SetExpanded(root, false);
  window.OnTreeNodeExpanded(window::PageAll, root, false);
  EXPECT_FALSE(documents.Docs()[entry].expanded);
}

}  // namespace
}  // namespace kalvora::testing

namespace kalvora::testing {
namespace {

TEST(MainWindowTrees, ProgramsAreNamedAfterTheStartMenuOnceTheTableIsBuilt) {
  WindowHarness h;
  auto& window = h.Create();
  const std::wstring editor = L"C:\\Program Files\\Editor\\editor.exe";
  h.machine.files().AddFile(editor, "MZ");
  const std::wstring menu = h.platform.folders.SpecialFolderPath(platform::SpecialFolder::Programs);
  h.machine.links().AddShortcut(menu + L"\\Text Editor.lnk", platform::sim::SimShortcut{editor});

  window.EnsureProgramNames();
  EXPECT_TRUE(window.State().ProgramNamesLoaded);
  window.Documents().AddItem(editor, L"");
  const auto& tree = window.Documents().TVDocs();
  ASSERT_EQ(tree.Roots().size(), 1u);
  EXPECT_EQ(tree.Node(tree.Roots().front()).text, L"Text Editor");

  // Built once per run: a later menu entry is not seen.
  h.machine.links().AddShortcut(menu + L"\\Other.lnk", platform::sim::SimShortcut{L"C:\\Other\\other.exe"});
  h.machine.files().AddFile(L"C:\\Other\\other.exe", "MZ");
  window.EnsureProgramNames();
  EXPECT_EQ(window.ProgramNames().Names(), std::vector<std::wstring>{L"Text Editor"});
}

}  // namespace
}  // namespace kalvora::testing
