// The Recent folder as the recent-documents list, and recent documents and
// folders handed to the tree by a capture and by the folder refresh.
#include "capture/RecentDocuments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/DocumentTreeHarness.h"

namespace kalvora::capture {
namespace {

using testing::Shape;
using Paths = std::vector<std::wstring>;

constexpr std::uint64_t kSecond = 10'000'000;
constexpr std::uint64_t kMinute = 60 * kSecond;
constexpr std::uint64_t kHour = 60 * kMinute;
constexpr std::uint64_t kDay = 24 * kHour;

const std::wstring kEditor = LR"(C:\Program Files\Editor\editor.exe)";
// The documents folder as the shell spells it.
const std::wstring kLinks = LR"(C:\users\joe\Documents\Kalvora\links\)";

struct RecentMachine : testing::DocumentTreeHarness {
  settings::TFrmMySettings settings;
  settings::MainWindowSettings window;
  RecentDocuments recent{process.Platform(), tree, settings, window};
  std::wstring recentFolder = machine.folders().SpecialFolderPath(platform::SpecialFolder::Recent);

  RecentMachine() {
    settings.tbRecRecentDoc.SetPosition(60);
    AssociateProgram(L".txt", kEditor);
  }

  std::uint64_t Now() { return process.system().UtcNowFileTime(); }
  // A shortcut in the Recent folder, written `age` ago.
  void AddRecent(const std::wstring& name, const std::wstring& target, std::uint64_t age = 0) {
    const std::wstring link = recentFolder + L"\\" + name;
    machine.links().AddShortcut(link, {target});
    machine.files().SetLastWriteTime(link, Now() - age);
  }
  Paths Collect() {
    recent.CollectRecentDocuments();
    return tree.RecentDocs().Items();
  }
  // The "has recent" lines of the trace.
  Paths RecentTrace() {
    Paths lines;
    for (const std::wstring& line : tree.TraceLines())
      if (line.rfind(L"has recent", 0) == 0) lines.push_back(line);
    return lines;
  }
};

class RecentDocumentsTest : public ::testing::Test {
 protected:
  RecentMachine h;
};

struct AgeCase {
  const char* name;
  bool recordRecent;
  int slider;
  std::uint64_t age;
  bool collected;
};

TEST_F(RecentDocumentsTest, AgeOfTheShortcutDecidesWithTheSliderOrTheFreshnessBound) {
  const AgeCase cases[] = {
      {"slider at 60 takes everything", true, 60, 400 * kDay, true},
      {"slider at 3 refuses 4 days", true, 3, 4 * kDay, false},
      {"slider at 3 takes 2 days 23 hours", true, 3, 2 * kDay + 23 * kHour, true},
      {"slider at 1 refuses exactly one day", true, 1, kDay, false},
      {"off takes 2 h 23 min", false, 60, 2 * kHour + 23 * kMinute, true},
      {"off refuses 2 h 25 min", false, 60, 2 * kHour + 25 * kMinute, false},
      {"off ignores the slider", false, 3, kDay, false},
  };
  h.AddFile(LR"(C:\Work\a.txt)");
  for (const AgeCase& c : cases) {
    SCOPED_TRACE(c.name);
    h.settings.CbRecrodRecentDocument = c.recordRecent;
    h.settings.tbRecRecentDoc.SetPosition(c.slider);
    h.AddRecent(L"a.txt.lnk", LR"(C:\Work\a.txt)", c.age);
    EXPECT_EQ(h.Collect(), c.collected ? Paths{LR"(C:\Work\a.txt)"} : Paths{});
  }
}

TEST_F(RecentDocumentsTest, IsRecentEnoughNeverHoldsForAFileThatCannotBeLookedAt) {
  h.AddFile(LR"(C:\Work\a.txt)");
  EXPECT_TRUE(h.recent.IsRecentEnough(LR"(C:\Work\a.txt)", 0.1));
  EXPECT_FALSE(h.recent.IsRecentEnough(LR"(C:\Work\missing.txt)", 60));
  EXPECT_FALSE(h.recent.IsRecentEnough(LR"(C:\Work)", 60));
  EXPECT_FALSE(h.recent.IsRecentEnough(LR"(C:\Work\*.txt)", 60));
  h.machine.files().SetLastWriteTime(LR"(C:\Work\a.txt)", 0);
  EXPECT_FALSE(h.recent.IsRecentEnough(LR"(C:\Work\a.txt)", 1e9));
}

TEST_F(RecentDocumentsTest, OnlyExistingTargetsOnUsableDrivesAreCollectedEachOnce) {
  h.AddFile(LR"(C:\Work\a.txt)");
  h.AddFile(LR"(D:\Data\b.txt)");
  h.AddFolder(LR"(C:\Work\Sub)");
  h.machine.files().AddDrive(L'A');
  h.AddFile(LR"(A:\floppy.txt)");
  h.machine.files().AddDrive(L'N');
  h.AddFile(LR"(N:\nodrive.txt)");
  h.machine.drives().SetDriveType(L'N', platform::DriveNoRootDir);
  h.AddRecent(L"a.lnk", LR"(C:\Work\a.txt)");
  h.AddRecent(L"a again.lnk", LR"(C:\Work\a.txt)");
  h.AddRecent(L"a upper.lnk", LR"(C:\WORK\A.TXT)");
  h.AddRecent(L"b.lnk", LR"(D:\Data\b.txt)");
  h.AddRecent(L"sub.lnk", LR"(C:\Work\Sub)");
  h.AddRecent(L"share.lnk", LR"(\\server\share\c.txt)");
  h.AddRecent(L"gone.lnk", LR"(C:\Work\gone.txt)");
  h.AddRecent(L"floppy.lnk", LR"(A:\floppy.txt)");
  h.AddRecent(L"nodrive.lnk", LR"(N:\nodrive.txt)");
  // desktop.ini is hidden and system; a subfolder of the Recent folder is
  // neither entered nor taken as a recent folder.
  h.AddFile(h.recentFolder + L"\\desktop.ini");
  h.machine.files().SetAttributes(h.recentFolder + L"\\desktop.ini",
                                  platform::FileAttributeHidden | platform::FileAttributeSystem);
  h.AddFile(LR"(C:\Work\deep.txt)");
  h.machine.links().AddShortcut(h.recentFolder + LR"(\AutomaticDestinations\deep.lnk)", {LR"(C:\Work\deep.txt)"});
  // Hidden alone does not hide a shortcut.
  h.AddFile(LR"(C:\Work\h.txt)");
  h.AddRecent(L"h.lnk", LR"(C:\Work\h.txt)");
  h.machine.files().SetAttributes(h.recentFolder + L"\\h.lnk", platform::FileAttributeHidden);

  EXPECT_EQ(h.Collect(), (Paths{LR"(C:\Work\a.txt)", LR"(C:\Work\h.txt)", LR"(C:\Work\Sub)", LR"(D:\Data\b.txt)"}));
}

TEST_F(RecentDocumentsTest, SmartRecordKeepsTheListBetweenCollections) {
  h.AddFile(LR"(C:\Work\a.txt)");
  h.AddFile(LR"(C:\Work\b.txt)");
  h.AddRecent(L"a.lnk", LR"(C:\Work\a.txt)");
  h.Collect();
  h.machine.files().RemoveFile(h.recentFolder + L"\\a.lnk");
  h.AddRecent(L"b.lnk", LR"(C:\Work\b.txt)");
  h.AddRecent(L"b2.lnk", LR"( C:\work\B.txt )");  // the same path, trimmed and ignoring case

  h.window.cbSmartRecord = true;
  EXPECT_EQ(h.Collect(), (Paths{LR"(C:\Work\a.txt)", LR"(C:\Work\b.txt)"}));
  h.window.cbSmartRecord = false;
  EXPECT_EQ(h.Collect(), (Paths{LR"(C:\Work\b.txt)"}));
}

TEST_F(RecentDocumentsTest, ListingStopsAfterTheFirstEntryAndFiveThousandMore) {
  // The Recent folder's "." and ".." come first and count.
  for (int i = 0; i < 5002; ++i) {
    wchar_t name[16];
    swprintf(name, 16, L"%05d", i);
    h.AddFile(std::wstring(LR"(C:\Work\)") + name + L".txt");
    h.AddRecent(std::wstring(name) + L".lnk", std::wstring(LR"(C:\Work\)") + name + L".txt");
  }
  const Paths list = h.Collect();
  ASSERT_EQ(list.size(), 4999u);
  EXPECT_EQ(list.back(), LR"(C:\Work\04998.txt)");
}

TEST_F(RecentDocumentsTest, HiddenAndRecycledTargetsAreCollectedButNotRecorded) {
  h.AddFile(LR"(C:\$Recycle.Bin\S-1-5-21\$R1.txt)");
  h.AddFile(LR"(C:\Work\hidden.txt)");
  h.machine.files().SetAttributes(LR"(C:\Work\hidden.txt)", platform::FileAttributeHidden);
  h.AddFolder(LR"(C:\Work\System)");
  h.machine.files().SetAttributes(LR"(C:\Work\System)", platform::FileAttributeSystem);
  h.AddRecent(L"r.lnk", LR"(C:\$Recycle.Bin\S-1-5-21\$R1.txt)");
  h.AddRecent(L"h.lnk", LR"(C:\Work\hidden.txt)");
  h.AddRecent(L"s.lnk", LR"(C:\Work\System)");

  EXPECT_EQ(h.Collect().size(), 3u);
  EXPECT_FALSE(h.recent.RecordRecentDocuments());
  EXPECT_FALSE(h.recent.RecordRecentFolderItems());
  EXPECT_EQ(h.EntryCount(), 0);
}

TEST_F(RecentDocumentsTest, IsHiddenOrRecycledReadsTheEntryItself) {
  h.AddFolder(LR"(C:\Work)");
  h.AddFile(LR"(C:\Work\plain.txt)");
  EXPECT_FALSE(h.recent.IsHiddenOrRecycled(LR"(C:\Work\plain.txt)"));
  EXPECT_FALSE(h.recent.IsHiddenOrRecycled(LR"(C:\Work\)"));
  EXPECT_FALSE(h.recent.IsHiddenOrRecycled(LR"(D:\)"));
  EXPECT_TRUE(h.recent.IsHiddenOrRecycled(LR"(C:\Work\missing.txt)"));
  EXPECT_TRUE(h.recent.IsHiddenOrRecycled(LR"(D:\recycler\$recycle.bin)"));
  // Only a folder of that name is a recycle bin.
  h.AddFile(LR"(C:\Work\old$recycle.bin.txt)");
  h.AddFile(LR"(C:\Work\$Recycle.Bin2\kept.txt)");
  h.AddFile(LR"(C:\$Recycle.Bin\S-1-5-21\kept.txt)");
  EXPECT_FALSE(h.recent.IsHiddenOrRecycled(LR"(C:\Work\old$recycle.bin.txt)"));
  EXPECT_FALSE(h.recent.IsHiddenOrRecycled(LR"(C:\Work\$Recycle.Bin2\kept.txt)"));
  EXPECT_TRUE(h.recent.IsHiddenOrRecycled(LR"(C:\$Recycle.Bin\S-1-5-21\kept.txt)"));
}

// A capture and a refresh over the same Recent folder: a folder, a document
// whose program is in the tree, and one whose program is not.
struct RecordMachine : RecentMachine {
  RecordMachine() {
    AssociateProgram(L".csv", LR"(C:\Program Files\Sheets\sheets.exe)");
    AddFolder(LR"(D:\Projects)");
    AddFile(LR"(C:\Work\notes.txt)");
    AddFile(LR"(C:\Work\table.csv)");
    AddRecent(L"Projects.lnk", LR"(D:\Projects)");
    AddRecent(L"notes.txt.lnk", LR"(C:\Work\notes.txt)");
    AddRecent(L"table.csv.lnk", LR"(C:\Work\table.csv)");
    tree.AddItem(kEditor, L"");
    tree.ToggleDebugTrace();
    recent.CollectRecentDocuments();
  }
};

class RecentDocumentsRecordTest : public ::testing::Test {
 protected:
  RecordMachine h;
};

TEST_F(RecentDocumentsRecordTest, CaptureAddsFoldersAndDocumentsWithTheirTraceLines) {
  EXPECT_TRUE(h.recent.RecordRecentDocuments());
  EXPECT_EQ(h.RecentTrace(), (Paths{
                                 LR"(has recent1,LowCaseSociAppPath=c:\program files\editor\editor.exe,CurTargetFileNameC:\Work\notes.txt)",
                                 LR"(has recent2,SociateAppPath=C:\Program Files\Sheets\sheets.exe,tmpC:\Work\table.csv)",
                                 LR"(has recent0,CurTargetFileName=D:\Projects\,tmpD:\Projects)",
                             }));
  EXPECT_EQ(Shape(h.tree.TVDocs()), L"D:\\Projects[0], sheets.exe[79]{table.csv[80]}, editor.exe[78]{notes.txt[9]}");
  EXPECT_EQ(Shape(h.tree.TVPath()), L"D:\\Projects[0]");

  // Everything is in the tree now: nothing new, no trace.
  h.tree.ToggleDebugTrace();
  h.tree.ToggleDebugTrace();
  EXPECT_FALSE(h.recent.RecordRecentDocuments());
  EXPECT_EQ(h.RecentTrace(), Paths{});
}

TEST_F(RecentDocumentsRecordTest, NothingNewStillStepsTheGaugeForFoldersOnly) {
  ASSERT_TRUE(h.recent.RecordRecentDocuments());
  h.host.gaugeSteps = 0;
  EXPECT_FALSE(h.recent.RecordRecentDocuments());
  EXPECT_EQ(h.host.gaugeSteps, 1);  // the folder; documents under a known program take no step
}

TEST_F(RecentDocumentsRecordTest, RefreshAddsDocumentsOfUnlistedProgramsLikeTheCaptureByDefault) {
  EXPECT_EQ(h.recent.UnlistedDocuments(), UnlistedProgramDocuments::AddWithProgram);
  EXPECT_TRUE(h.recent.RecordRecentFolderItems());
  EXPECT_EQ(h.RecentTrace().size(), 3u);
  EXPECT_EQ(Shape(h.tree.TVDocs()), L"D:\\Projects[0], sheets.exe[79]{table.csv[80]}, editor.exe[78]{notes.txt[9]}");
  // The next refresh finds nothing new, so nothing would be saved.
  EXPECT_FALSE(h.recent.RecordRecentFolderItems());
}

TEST_F(RecentDocumentsRecordTest, RefreshCanLeaveDocumentsOfUnlistedProgramsOut) {
  h.recent.SetUnlistedDocuments(UnlistedProgramDocuments::Skip);
  EXPECT_TRUE(h.recent.RecordRecentFolderItems());
  EXPECT_EQ(h.RecentTrace().size(), 3u);  // the skipped document is still traced
  EXPECT_EQ(Shape(h.tree.TVDocs()), L"D:\\Projects[0], editor.exe[78]{notes.txt[9]}");
  EXPECT_EQ(Shape(h.tree.TVPath()), L"D:\\Projects[0]");
  // A document left out is not news: an unchanged tree is not saved again.
  EXPECT_FALSE(h.recent.RecordRecentFolderItems());
  EXPECT_EQ(h.RecentTrace().size(), 4u);
}

TEST_F(RecentDocumentsTest, AShortcutToAShortcutIsRecordedAsItsCopyInTheLinksFolder) {
  // A shortcut the shell cannot read stands for itself.
  h.AddFile(LR"(C:\Work\inner.lnk)");
  h.AddRecent(L"outer.lnk", LR"(C:\Work\inner.lnk)");
  EXPECT_EQ(h.Collect(), Paths{LR"(C:\Work\inner.lnk)"});
  EXPECT_TRUE(h.recent.RecordRecentDocuments());
  EXPECT_EQ(h.machine.files().ReadFile(kLinks + L"inner.lnk"), std::optional<std::string>("x"));
  ASSERT_EQ(h.EntryCount(), 1);
  EXPECT_EQ(h.tree.Docs().Entries().front().path, kLinks + L"inner.lnk");
}

TEST_F(RecentDocumentsTest, AShortcutThatCannotBeCopiedStandsForItself) {
  h.AddFile(LR"(C:\Work\inner.lnk)");
  EXPECT_EQ(h.recent.LinksFolder(), kLinks);
  h.machine.files().DenyWrites(h.kDocuments);
  EXPECT_EQ(h.recent.CopyShortcutToLinks(LR"(C:\Work\inner.lnk)"), LR"(C:\Work\inner.lnk)");
  h.machine.files().AllowWrites(h.kDocuments);
  EXPECT_EQ(h.recent.CopyShortcutToLinks(LR"(C:\Work\missing.lnk)"), LR"(C:\Work\missing.lnk)");
  // An older copy of the same name is replaced.
  h.machine.files().AddFile(kLinks + L"inner.lnk", "old");
  EXPECT_EQ(h.recent.CopyShortcutToLinks(LR"(C:\Work\inner.lnk)"), kLinks + L"inner.lnk");
  EXPECT_EQ(h.machine.files().ReadFile(kLinks + L"inner.lnk"), std::optional<std::string>("x"));
  h.machine.SetSpecialFolder(platform::SpecialFolder::Personal, L"");
  EXPECT_EQ(h.recent.CopyShortcutToLinks(LR"(C:\Work\inner.lnk)"), LR"(C:\Work\inner.lnk)");
}

}  // namespace
}  // namespace kalvora::capture
