#include "records/RecordLibrary.h"

#include <gtest/gtest.h>

#include <functional>

#include "common/WideText.h"
#include "records/SafeFileWrite.h"
#include "records/TreeStateFile.h"
#include "support/WindowHarness.h"

namespace kalvora::records {
namespace {

using testing::ConfirmSmartFolderDialog;
using testing::WindowHarness;

// A window on a machine whose record folder is C:\Records\, with a record
// library whose record file is a stand-in: writing stores the All tree's
// root texts, loading makes groups of two children each.
class RecordLibraryTest : public ::testing::Test, public RecordLibraryHost {
 protected:
  RecordLibraryTest() {
    h.SetUserKey(L"EdtRECPath", L"C:\\Records\\");
    h.process.dialogs().AnswerDialogs([](auto& s) { return ConfirmSmartFolderDialog(s, true); });
    window = &h.Create();
    // The window's first folder refresh aimed the next save at "Recent
    // Folders"; the library here starts with no record chosen.
    State().FolderRecordFlag = false;
    State().CurrentRecordPath.clear();
    machine().SetNow({2012, 3, 5, 10, 0, 0, 0});
    machine().files().CreateDirectoryTree(L"C:\\Records");
    library = std::make_unique<RecordLibrary>(h.platform, window->Documents(), window->State(),
                                              window->MutableLayout(), window->Settings(), *this);
  }

  bool WriteRecord(const std::wstring& path) override {
    if (!writes) return false;
    std::string roots;
    for (auto id : Tree().Roots()) roots += text::WideToUtf8(Tree().Node(id).text) + ";";
    return WriteFileSafely(machine().files(), path, roots);
  }
  bool LoadRecord(const std::wstring& path) override {
    loaded.push_back(path);
    if (duringLoad) duringLoad();
    for (int i = 0; i < groupsToLoad; ++i) {
      auto group = Tree().AddChild(tree::NoNode, L"group" + std::to_wstring(i));
      Tree().AddChild(group, L"a");
      Tree().AddChild(group, L"b");
    }
    return loadsWhole;
  }
  void Render() override {}

  platform::sim::SimMachine& machine() { return h.machine; }
  tree::TreeModel& Tree() { return window->Documents().TVDocs(); }
  window::MainWindowLayout& Layout() { return window->MutableLayout(); }
  window::MainWindowState& State() { return window->State(); }
  void AddRecord(const std::wstring& name) { machine().files().AddFile(L"C:\\Records\\" + name, "<revistotree/>"); }
  std::vector<bool> Expanded() {
    std::vector<bool> states;
    for (auto id : Tree().Roots()) states.push_back(Tree().Node(id).expanded);
    return states;
  }

  WindowHarness h;
  app::TRevistoWindow* window = nullptr;
  std::unique_ptr<RecordLibrary> library;
  std::vector<std::wstring> loaded;
  int groupsToLoad = 4;
  bool loadsWhole = true;
  bool writes = true;
  std::function<void()> duringLoad;
};

TEST_F(RecordLibraryTest, SortKeyPutsDatedRecordsInDateOrderAndOthersAfter) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"Mar 05,2012_001.revisto", L"20120305001"},
      {L"dec 31,2012_1000.revisto", L"20121231100"},
      {L"Recent Folders.revisto", L"Foldrecntrs"},
      {L"Xyz.revisto", L"xyz"},
      {L".revisto", L""},
  };
  for (const auto& [name, key] : cases) EXPECT_EQ(RecordLibrary::RecordSortKey(name), key) << name;
}

TEST_F(RecordLibraryTest, ListShowsRecordsSortedWithoutExtensionAndSelectsTheCurrentOne) {
  AddRecord(L"Recent Folders.revisto");
  AddRecord(L"Jan 02,2013_001.revisto");
  AddRecord(L"Dec 31,2012_005.REVISTO");
  AddRecord(L"my.notes.revisto");
  AddRecord(L"Jan 02,2013_001.revistotreesel");
  AddRecord(L"notes.txt");
  machine().files().CreateDirectoryTree(L"C:\\Records\\old.revisto");  // a folder, not a record
  State().CurrentRecordPath = L"C:\\Records\\Jan 02,2013_001.revisto";

  EXPECT_TRUE(library->RefreshRecordList());
  EXPECT_EQ(Layout().recordList,
            (std::vector<std::wstring>{L"Dec 31,2012_005", L"Jan 02,2013_001", L"Recent Folders", L"my.notes"}));
  EXPECT_EQ(Layout().recordListIndex, 1);
}

TEST_F(RecordLibraryTest, EmptyOrMissingFolderGivesAnEmptyList) {
  Layout().recordList = {L"stale"};
  EXPECT_FALSE(library->RefreshRecordList());
  EXPECT_TRUE(Layout().recordList.empty());
  EXPECT_EQ(Layout().recordListIndex, -1);
}

TEST_F(RecordLibraryTest, NewRecordNamesCountUpAndStartOverWhenAThousandAreTaken) {
  EXPECT_EQ(library->NewRecordPath(), L"C:\\Records\\Mar 05,2012_001.revisto");
  AddRecord(L"Mar 05,2012_001.revisto");
  EXPECT_EQ(library->NewRecordPath(), L"C:\\Records\\Mar 05,2012_002.revisto");
  for (int n = 2; n <= 1000; ++n) {
    wchar_t name[64];
    std::swprintf(name, 64, L"Mar 05,2012_%.3d.revisto", n);
    AddRecord(name);
  }
  EXPECT_EQ(library->NewRecordPath(), L"C:\\Records\\Mar 05,2012_001.revisto");
}

TEST_F(RecordLibraryTest, NewRecordFolderIsCreatedOrTheNameIsEmpty) {
  h.SetUserKey(L"EdtRECPath", L"D:\\Saved\\Records\\");
  window->Settings().LoadSettings();
  EXPECT_EQ(library->NewRecordPath(), L"");  // no drive D:
  machine().files().AddDrive(L'D');
  EXPECT_EQ(library->NewRecordPath(), L"D:\\Saved\\Records\\Mar 05,2012_001.revisto");
  EXPECT_TRUE(machine().files().DirectoryExists(L"D:\\Saved\\Records"));
}

TEST_F(RecordLibraryTest, SaveGoesToTheTargetTheFlagsAndSelectionChoose) {
  AddRecord(L"Jan 02,2013_001.revisto");
  library->RefreshRecordList();
  Tree().AddChild(tree::NoNode, L"C:\\Users");

  struct Case {
    const char* name;
    bool folderRecord, newRecord;
    int selected;
    std::wstring before, after;
  };
  const Case cases[] = {
      {"recent folders record kept", true, true, 0, L"C:\\Records\\Recent Folders.revisto",
       L"C:\\Records\\Recent Folders.revisto"},
      {"new record wanted", false, true, 0, L"", L"C:\\Records\\Mar 05,2012_001.revisto"},
      {"selected record", false, false, 0, L"", L"C:\\Records\\Jan 02,2013_001.revisto"},
      {"nothing selected", false, false, -1, L"", L"C:\\Records\\Mar 05,2012_001.revisto"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    machine().files().RemoveFile(L"C:\\Records\\Mar 05,2012_001.revisto");
    library->RefreshRecordList();
    State().FolderRecordFlag = c.folderRecord;
    State().NewRecordFlag = c.newRecord;
    State().CurrentRecordPath = c.before;
    Layout().recordListIndex = c.selected;
    library->SaveCurrentTree();
    EXPECT_EQ(State().CurrentRecordPath, c.after);
    EXPECT_FALSE(State().FolderRecordFlag);
    EXPECT_EQ(machine().files().ReadFile(c.after), "C:\\Users;");
    EXPECT_TRUE(machine().files().FileExists(RecordLibrary::TreeStatePathOf(c.after)));
  }
}

TEST_F(RecordLibraryTest, SaveAndRefreshListsAndSelectsTheNewRecord) {
  State().NewRecordFlag = true;
  library->SaveAndRefresh();
  EXPECT_EQ(Layout().recordList, std::vector<std::wstring>{L"Mar 05,2012_001"});
  EXPECT_EQ(Layout().recordListIndex, 0);
  EXPECT_EQ(h.UserKey(L"LbRECs"), L"0");
  EXPECT_EQ(h.view.hint, L"Finish.");

  // The request was for one new record: the next save goes into it.
  EXPECT_FALSE(State().NewRecordFlag);
  library->SaveAndRefresh();
  EXPECT_EQ(Layout().recordList, std::vector<std::wstring>{L"Mar 05,2012_001"});
}

// A save that wrote nothing (the record file refused the tree, or no folder
// could take it) never says "Finish.".
TEST_F(RecordLibraryTest, SaveThatWroteNothingSaysSoInsteadOfFinish) {
  State().NewRecordFlag = true;
  writes = false;
  library->SaveAndRefresh();
  EXPECT_NE(h.view.hint, L"Finish.");
  EXPECT_NE(Layout().statusPanels[0].text.find(L"could not be saved"), std::wstring::npos);
  EXPECT_FALSE(machine().files().FileExists(L"C:\\Records\\Mar 05,2012_001.revisto"));
}

// A record that did not load whole is moved aside before the first save
// into it, whichever way that save is aimed; later saves write as usual.
TEST_F(RecordLibraryTest, RecordNotLoadedWholeIsKeptBesideTheFirstSaveIntoIt) {
  struct Case {
    const char* name;
    std::wstring record;
    std::wstring listed;
    std::function<void()> save;
  };
  const Case cases[] = {
      {"saved into the selected record", L"Jan 02,2013_001.revisto", L"Jan 02,2013_001",
       [this] { EXPECT_TRUE(library->SaveIntoSelectedRecord()); }},
      {"recent folders saved by the refresh", L"Recent Folders.revisto", L"Recent Folders",
       [this] {
         State().FolderRecordFlag = true;
         library->SaveAndRefresh();
         EXPECT_EQ(h.view.hint, L"Finish.");
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::wstring path = L"C:\\Records\\" + c.record;
    machine().files().AddFile(path, "<revistotree><item");
    library->RefreshRecordList();
    Layout().recordListIndex = -1;
    for (std::size_t i = 0; i < Layout().recordList.size(); ++i)
      if (Layout().recordList[i] + RecordExtension == c.record) Layout().recordListIndex = static_cast<int>(i);
    loadsWhole = false;
    library->OpenSelectedRecord();
    loadsWhole = true;
    EXPECT_NE(Layout().statusPanels[0].text.find(L"could not be read whole"), std::wstring::npos);

    c.save();
    EXPECT_EQ(machine().files().ReadFile(path + L".unread"), "<revistotree><item");
    EXPECT_EQ(machine().files().ReadFile(path), "group0;group1;group2;group3;");
    EXPECT_NE(Layout().statusPanels[0].text.find(path + L".unread"), std::wstring::npos);
    EXPECT_EQ(Layout().recordList, std::vector<std::wstring>{c.listed})
        << "the kept file is not listed as a record";

    Tree().AddChild(tree::NoNode, L"more");
    c.save();
    EXPECT_EQ(machine().files().ReadFile(path + L".unread"), "<revistotree><item");
    EXPECT_FALSE(machine().files().FileExists(path + L".unread2"));
    machine().files().RemoveFile(path);
  }
}

// Loading lets messages run; one that opens a record meanwhile (a text size
// click, a refresh) must not start a second load inside the first.
TEST_F(RecordLibraryTest, OpeningARecordWhileOneLoadsIsRefused) {
  AddRecord(L"Jan 02,2013_001.revisto");
  library->RefreshRecordList();
  Layout().recordListIndex = 0;
  duringLoad = [&] {
    duringLoad = nullptr;
    library->OpenSelectedRecord();
  };
  library->OpenSelectedRecord();
  EXPECT_EQ(loaded.size(), 1u);
  EXPECT_EQ(Tree().Roots().size(), 4u);
  EXPECT_FALSE(State().LoadingFlag);
}

TEST_F(RecordLibraryTest, TreeStateFileIsUtf16WithOneLinePerGroup) {
  auto first = Tree().AddChild(tree::NoNode, L"expanded group");
  Tree().AddChild(first, L"child");
  Tree().SetExpanded(first, true);
  auto second = Tree().AddChild(tree::NoNode, L"collapsed group");
  Tree().AddChild(second, L"child");
  Tree().AddChild(tree::NoNode, L"single item");
  Tree().SetExpanded(Tree().Roots()[2], true);  // expanded but childless: still "0"

  library->SaveTreeState(L"C:\\Records\\r.revistotreesel");
  EXPECT_EQ(machine().files().ReadFile(L"C:\\Records\\r.revistotreesel"),
            std::string("\xFF\xFE" "1\0\r\0\n\0" "0\0\r\0\n\0" "0\0\r\0\n\0", 20));
}

TEST_F(RecordLibraryTest, OpeningARecordRestoresStatesPaddedAtTheFront) {
  AddRecord(L"Mar 05,2012_001.revisto");
  machine().files().AddFile(L"C:\\Records\\Mar 05,2012_001.revistotreesel", EncodeTreeStateLines({L"1", L"0"}));
  library->RefreshRecordList();
  Layout().recordListIndex = 0;
  Tree().AddChild(tree::NoNode, L"left over from before");

  library->OpenSelectedRecord();

  EXPECT_EQ(loaded, std::vector<std::wstring>{L"C:\\Records\\Mar 05,2012_001.revisto"});
  EXPECT_EQ(State().CurrentRecordPath, L"C:\\Records\\Mar 05,2012_001.revisto");
  // Four groups, two lines: the first two groups collapsed, the last two as the file says.
  EXPECT_EQ(Expanded(), (std::vector<bool>{false, false, true, false}));
  EXPECT_EQ(Layout().statusPanels[0].text, L"   File Name :C:\\Records\\Mar 05,2012_001.revisto selected.");
  EXPECT_EQ(Layout().statusPanels[1].text, L" Location :C:\\Records\\");
  EXPECT_EQ(h.UserKey(L"LbRECs"), L"0");
  EXPECT_FALSE(State().LoadingFlag);
}

TEST_F(RecordLibraryTest, StateFileLinesAreReadInAnyEncodingItsMarkNames) {
  platform::SystemText& text = h.platform.text;
  EXPECT_EQ(DecodeTextLines(EncodeTreeStateLines({L"1", L"0"}), text), (std::vector<std::wstring>{L"1", L"0"}));
  EXPECT_EQ(DecodeTextLines(std::string("\xFE\xFF\0" "1\0\n", 6), text), std::vector<std::wstring>{L"1"});
  EXPECT_EQ(DecodeTextLines("\xEF\xBB\xBF" "1\r\n0", text), (std::vector<std::wstring>{L"1", L"0"}));
  EXPECT_EQ(DecodeTextLines("0\n\n1\r\n", text), (std::vector<std::wstring>{L"0", L"", L"1"}));
}

// Only as many lines as there are groups are used: reading stops after them,
// in every encoding, and a file of nothing but line ends gives no more.
TEST_F(RecordLibraryTest, StateFileReadingStopsAfterTheLinesItCanUse) {
  platform::SystemText& text = h.platform.text;
  const std::string ends(1 << 20, '\n');
  const std::pair<const char*, std::string> cases[] = {
      {"utf-16", EncodeTreeStateLines({L"1", L"0", L"1", L"1"})},
      {"utf-16 big-endian", std::string("\xFE\xFF\0" "1\0\n\0" "0\0\r\0\n\0" "1", 13)},
      {"utf-8", "\xEF\xBB\xBF" "1\r\n0\r\n1\r\n"},
      {"ansi", "1\n0\r1"},
  };
  for (const auto& [name, bytes] : cases) {
    SCOPED_TRACE(name);
    EXPECT_EQ(DecodeTextLines(bytes, text, 2), (std::vector<std::wstring>{L"1", L"0"}));
    EXPECT_EQ(DecodeTextLines(bytes, text, 0), std::vector<std::wstring>{});
  }
  EXPECT_EQ(DecodeTextLines(ends, text, 3), (std::vector<std::wstring>{L"", L"", L""}));

  // Opening a record with two groups beside a state file of a million line
  // ends: the two states are read and the rest left alone.
  groupsToLoad = 2;
  AddRecord(L"Mar 05,2012_001.revisto");
  machine().files().AddFile(L"C:\\Records\\Mar 05,2012_001.revistotreesel", "1\n1" + ends);
  library->RefreshRecordList();
  Layout().recordListIndex = 0;
  library->OpenSelectedRecord();
  EXPECT_EQ(Expanded(), (std::vector<bool>{true, true}));
}

TEST_F(RecordLibraryTest, ExpandingRewritesTheStateFileExceptWhileLoading) {
  State().CurrentRecordPath = L"C:\\Records\\Mar 05,2012_001.revisto";
  const std::wstring state = L"C:\\Records\\Mar 05,2012_001.revistotreesel";
  State().LoadingFlag = true;
  library->AllTreeExpansionChanged();
  EXPECT_FALSE(machine().files().FileExists(state));
  State().LoadingFlag = false;
  library->AllTreeExpansionChanged();
  EXPECT_TRUE(machine().files().FileExists(state));
}

}  // namespace
}  // namespace kalvora::records
