#include "tree/FileSearch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sim/SimFileSystem.h"
#include "platform/sim/SimMessagePump.h"

namespace kalvora::tree {
namespace {

using platform::DirectoryEntry;

// C:\dir with files, two subfolders (one nested) listed out of creation order.
class FileSearchTest : public ::testing::Test {
 protected:
  FileSearchTest() {
    fs.AddFile(L"C:\\dir\\z.dll", "");
    fs.AddFile(L"C:\\dir\\b.exe", "");
    fs.AddFile(L"C:\\dir\\Beta\\inner.exe", "");
    fs.AddFile(L"C:\\dir\\Beta\\Deep\\deep.dll", "");
    fs.AddFile(L"C:\\dir\\alpha\\a.exe", "");
    fs.AddFile(L"C:\\dir\\a.exe", "");
    fs.AddFile(L"C:\\other\\outside.exe", "");
    search.OnFileFind = [this](TFileSearch&, const std::wstring& folder, const DirectoryEntry& entry) {
      events.push_back(folder + entry.name);
    };
  }
  platform::sim::SimFileSystem fs;
  platform::sim::SimMessagePump pump;
  TFileSearch search{fs, pump};
  std::vector<std::wstring> events;
};

TEST_F(FileSearchTest, ListsAFoldersMatchesThenEachSubfoldersWholeResult) {
  search.SetSearchFile(L"C:\\dir\\*.*");
  search.Execute();
  const std::vector<std::wstring> expected = {
      L"C:\\dir\\a.exe",           L"C:\\dir\\alpha",         L"C:\\dir\\b.exe",
      L"C:\\dir\\Beta",            L"C:\\dir\\z.dll",         L"C:\\dir\\alpha\\a.exe",
      L"C:\\dir\\Beta\\Deep",      L"C:\\dir\\Beta\\inner.exe", L"C:\\dir\\Beta\\Deep\\deep.dll",
  };
  EXPECT_EQ(search.FilesFound(), expected);
  EXPECT_EQ(events, expected);
  EXPECT_FALSE(search.Busy());
  // Pending messages ran between the entries.
  EXPECT_GE(pump.Calls(), static_cast<int>(expected.size()));
}

TEST_F(FileSearchTest, SeveralMasksSearchTheWholeTreeOneAfterTheOther) {
  search.SetSearchFile(L"C:\\dir\\*.exe;*.dll");
  search.Execute();
  EXPECT_EQ(search.FilesFound(), (std::vector<std::wstring>{L"C:\\dir\\a.exe", L"C:\\dir\\b.exe",
                                                            L"C:\\dir\\alpha\\a.exe", L"C:\\dir\\Beta\\inner.exe",
                                                            L"C:\\dir\\z.dll", L"C:\\dir\\Beta\\Deep\\deep.dll"}));
}

TEST_F(FileSearchTest, WithoutRecursionOnlyTheFolderItself) {
  search.RecurseSubFolders = false;
  search.SetSearchFile(L"C:\\dir\\*.exe");
  search.Execute();
  EXPECT_EQ(search.FilesFound(), (std::vector<std::wstring>{L"C:\\dir\\a.exe", L"C:\\dir\\b.exe"}));
}

TEST_F(FileSearchTest, WithoutAFindHandlerNothingIsCollected) {
  search.OnFileFind = nullptr;
  std::vector<std::wstring> folders;
  search.OnChangeFolder = [&](TFileSearch&, const std::wstring& folder, const DirectoryEntry&) {
    folders.push_back(folder);
  };
  search.SetSearchFile(L"C:\\dir\\*.*");
  search.Execute();
  EXPECT_TRUE(search.FilesFound().empty());
  // The walk still ran.
  EXPECT_EQ(folders, (std::vector<std::wstring>{L"C:\\dir\\", L"C:\\dir\\alpha\\", L"C:\\dir\\Beta\\",
                                                L"C:\\dir\\Beta\\Deep\\"}));
}

TEST_F(FileSearchTest, StopFromTheHandlerEndsAfterThatEntryAndStillFinishes) {
  int finished = 0;
  search.OnFinish = [&](TFileSearch& sender) {
    ++finished;
    EXPECT_TRUE(sender.Busy());
  };
  search.OnFileFind = [&](TFileSearch& sender, const std::wstring& folder, const DirectoryEntry& entry) {
    events.push_back(folder + entry.name);
    if (entry.name == L"b.exe") sender.Stop = true;
  };
  search.SetSearchFile(L"C:\\dir\\*.exe;*.dll");
  search.Execute();
  EXPECT_EQ(events, (std::vector<std::wstring>{L"C:\\dir\\a.exe", L"C:\\dir\\b.exe"}));
  EXPECT_EQ(search.FilesFound(), events);
  EXPECT_EQ(finished, 1);
  EXPECT_FALSE(search.Busy());
  // The next search starts afresh.
  events.clear();
  search.OnFileFind = nullptr;
  search.Execute();
  EXPECT_FALSE(search.Stop);
}

TEST_F(FileSearchTest, StopFromAPendingMessageEndsTheSearch) {
  pump.SetHook([&] {
    if (events.size() == 3) search.Stop = true;
  });
  search.SetSearchFile(L"C:\\dir\\*.*");
  search.Execute();
  EXPECT_EQ(events.size(), 3u);
}

TEST_F(FileSearchTest, ASecondSearchWhileOneRunsIsRefused) {
  int nested = 0;
  pump.SetHook([&] {
    if (nested++ == 0) {
      search.SetSearchFile(L"C:\\other\\*.*");
      search.Execute();
    }
  });
  search.SetSearchFile(L"C:\\dir\\*.exe");
  search.RecurseSubFolders = false;
  search.Execute();
  EXPECT_EQ(events, (std::vector<std::wstring>{L"C:\\dir\\a.exe", L"C:\\dir\\b.exe"}));
}

TEST_F(FileSearchTest, SearchFileIsCutTo255Characters) {
  const std::wstring longText = L"C:\\dir\\" + std::wstring(300, L'x');
  search.SetSearchFile(longText);
  EXPECT_EQ(search.SearchFile(), longText.substr(0, 255));
  // A cut mask finds nothing and does no harm.
  search.Execute();
  EXPECT_TRUE(search.FilesFound().empty());
}

TEST_F(FileSearchTest, MissingFolderGivesNothing) {
  search.SetSearchFile(L"C:\\missing\\*.*");
  search.Execute();
  EXPECT_TRUE(search.FilesFound().empty());
}

TEST(ProgramFileSearchTest, GathersTheMatchesOfEverySearchOfTheRun) {
  platform::sim::SimFileSystem fs;
  platform::sim::SimMessagePump pump;
  fs.AddFile(L"C:\\one\\Sub\\x.lnk", "");
  fs.AddFile(L"C:\\two\\y.lnk", "");
  ProgramFileSearch files(fs, pump);
  files.RunFileSearch(L"C:\\one\\");
  files.RunFileSearch(L"C:\\missing\\");
  files.RunFileSearch(L"C:\\two\\");
  EXPECT_EQ(files.FoundFiles(),
            (std::vector<std::wstring>{L"C:\\one\\Sub", L"C:\\one\\Sub\\x.lnk", L"C:\\two\\y.lnk"}));
  EXPECT_EQ(files.search().FilesFound(), std::vector<std::wstring>{L"C:\\two\\y.lnk"});
}

}  // namespace
}  // namespace kalvora::tree
