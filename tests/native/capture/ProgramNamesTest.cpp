#include "capture/ProgramNames.h"

#include <gtest/gtest.h>

#include "support/ResolutionHarness.h"

namespace kalvora::capture {
namespace {

using platform::SpecialFolder;
using platform::sim::SimShortcut;

const std::wstring kEditor = L"C:\\Program Files\\Editor\\editor.exe";

class ProgramNamesTest : public ::testing::Test {
 protected:
  ProgramNamesTest()
      : user(h.machine.folders().SpecialFolderPath(SpecialFolder::Programs)),
        common(h.machine.folders().SpecialFolderPath(SpecialFolder::CommonPrograms)) {}
  void Build() { BuildProgramNameTable(table, h.services, h.machine.folders(), search); }
  std::wstring NameOf(const std::wstring& program) { return ProgramNameOf(table, h.services.text, program); }

  testing::ResolutionHarness h;
  const std::wstring user;
  const std::wstring common;
  tree::ProgramFileSearch search{h.machine.files(), h.process.pump()};
  ProgramNameTable table;
};

TEST_F(ProgramNamesTest, NamesEachProgramAfterTheFirstMenuEntryFound) {
  // A folder's own entries come before its subfolders', whatever the names,
  // and the user's menu before the all-users menu.
  h.links().AddShortcut(user + L"\\Zed Editor.lnk", SimShortcut{kEditor});
  h.links().AddShortcut(user + L"\\Accessories\\Another Editor.lnk", SimShortcut{kEditor});
  h.links().AddShortcut(common + L"\\Editor For All.lnk", SimShortcut{kEditor});
  h.links().AddShortcut(common + L"\\Setup.lnk", SimShortcut{L"C:\\Setup\\setup.MSI"});
  h.links().AddShortcut(common + L"\\Tools\\Backup v2.lnk", SimShortcut{L"C:\\Tools\\backup.bat"});
  h.machine.files().AddFile(common + L"\\Direct.exe", "");
  Build();
  ASSERT_TRUE(table.Built());
  EXPECT_EQ(NameOf(kEditor), L"Zed Editor");
  EXPECT_EQ(NameOf(L"  c:\\program files\\EDITOR\\Editor.EXE "), L"Zed Editor");
  EXPECT_EQ(NameOf(L"C:\\Setup\\setup.msi"), L"Setup");
  EXPECT_EQ(NameOf(L"C:\\Tools\\backup.bat"), L"Backup v2");
  EXPECT_EQ(NameOf(common + L"\\Direct.exe"), L"Direct");
  EXPECT_EQ(NameOf(L"C:\\unknown.exe"), L"");
}

TEST_F(ProgramNamesTest, WebDocumentFolderAndBrokenEntriesAddNothing) {
  h.links().AddShortcut(user + L"\\Home Page.lnk", SimShortcut{L"http://www.example.com/"});
  h.links().AddShortcut(user + L"\\Read Me.lnk", SimShortcut{L"C:\\Program Files\\Editor\\readme.txt"});
  h.machine.files().AddFile(user + L"\\Broken.lnk", "not a shortcut");
  h.machine.files().AddFolder(user + L"\\Games");
  h.links().AddShortcut(user + L"\\Editor.lnk", SimShortcut{kEditor});
  Build();
  EXPECT_EQ(table.Paths(), std::vector<std::wstring>{L"c:\\program files\\editor\\editor.exe"});
  EXPECT_EQ(table.Names(), std::vector<std::wstring>{L"Editor"});
}

TEST_F(ProgramNamesTest, UnknownBeforeTheTableIsBuiltOrWithoutMenuFolders) {
  h.links().AddShortcut(user + L"\\Editor.lnk", SimShortcut{kEditor});
  EXPECT_FALSE(table.Built());
  EXPECT_EQ(NameOf(kEditor), L"");
  // A machine whose shell has no menu folders gives an empty table, not the drive's root.
  h.machine.SetSpecialFolder(SpecialFolder::Programs, L"");
  h.machine.SetSpecialFolder(SpecialFolder::CommonPrograms, L"");
  h.machine.files().AddFile(L"C:\\Root.exe", "");
  Build();
  EXPECT_TRUE(table.Built());
  EXPECT_TRUE(table.Paths().empty());
}

TEST_F(ProgramNamesTest, ABuildAgainDoesNotRepeatEarlierSearches) {
  h.links().AddShortcut(user + L"\\Editor.lnk", SimShortcut{kEditor});
  Build();
  Build();
  EXPECT_EQ(table.Paths().size(), 1u);
}

}  // namespace
}  // namespace kalvora::capture
