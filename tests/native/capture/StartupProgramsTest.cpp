#include "capture/StartupPrograms.h"

#include <gtest/gtest.h>

#include "support/DeveloperReports.h"
#include "support/ResolutionHarness.h"

namespace kalvora::capture {
namespace {

using platform::RegistryRoot;
using platform::sim::RegistryType;
using platform::sim::SimShortcut;

const std::wstring kShellFolders = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const std::wstring kRun = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::wstring kUserStartup = L"C:\\Users\\joe\\Startup";
const std::wstring kCommonStartup = L"C:\\ProgramData\\Startup";

// A machine whose Shell Folders name both Startup folders, with text files
// opened by notepad.
class StartupProgramsTest : public ::testing::Test {
 protected:
  StartupProgramsTest() {
    h.registry().SetValue({RegistryRoot::CurrentUser, kShellFolders}, L"StartUp", RegistryType::String,
                          kUserStartup);
    h.registry().SetValue({RegistryRoot::LocalMachine, kShellFolders}, L"Common Startup", RegistryType::String,
                          kCommonStartup);
    h.machine.files().AddFolder(kUserStartup);
    h.machine.files().AddFolder(kCommonStartup);
    h.SetClass(L".txt", L"txtfile");
    h.SetClass(L"txtfile\\shell\\open\\command", L"C:\\Windows\\notepad.exe %1");
  }
  void Run(RegistryRoot root, const std::wstring& name, const std::wstring& command,
           RegistryType type = RegistryType::String) {
    h.registry().SetValue({root, kRun}, name, type, command);
  }
  bool Filter(const std::wstring& program, const std::wstring& title, bool filterOn = true) {
    return FilterStartupProgram(startMan, filterOn, program, title, rows);
  }

  testing::ResolutionHarness h;
  TWindowsStartMan startMan{h.services};
  std::vector<window::StartupFilterRow> rows;
};

TEST_F(StartupProgramsTest, RunCommandLineIsRecognisedByItsProgramAndListedOnce) {
  Run(RegistryRoot::CurrentUser, L"Tray", L"C:\\Tools\\tray.exe /background");
  EXPECT_TRUE(Filter(L" C:\\TOOLS\\Tray.exe", L"Tray window"));
  EXPECT_TRUE(Filter(L"C:\\Tools\\tray.exe", L"Second window"));
  EXPECT_EQ(rows, (std::vector<window::StartupFilterRow>{{L"Tray window", L" C:\\TOOLS\\Tray.exe"}}));
  EXPECT_FALSE(Filter(L"C:\\Tools\\other.exe", L"Other"));
  EXPECT_EQ(rows.size(), 1u);
}

TEST_F(StartupProgramsTest, NothingIsFilteredWhenTheSettingIsOff) {
  Run(RegistryRoot::CurrentUser, L"Tray", L"C:\\Tools\\tray.exe /background");
  EXPECT_FALSE(Filter(L"C:\\Tools\\tray.exe", L"Tray", false));
  EXPECT_TRUE(rows.empty());
  EXPECT_FALSE(startMan.StartupEntries()) << "the sources are not even read";
}

TEST_F(StartupProgramsTest, OwnProgramIsNeverFiltered) {
  Run(RegistryRoot::CurrentUser, L"Self", L"\"C:\\Program Files\\Revisto\\Revisto.exe\" /run");
  EXPECT_TRUE(startMan.IsStartupProgram(L"C:\\Program Files\\Revisto\\revisto.exe"));
  EXPECT_FALSE(Filter(L"C:\\Program Files\\Revisto\\REVISTO.EXE", L"Revisto"));
  EXPECT_TRUE(rows.empty());
}

TEST_F(StartupProgramsTest, StartupFolderEntriesCountThroughWhatTheyOpen) {
  h.links().AddShortcut(kUserStartup + L"\\Notes.lnk", SimShortcut{L"C:\\docs\\notes.txt"});
  h.links().AddShortcut(kUserStartup + L"\\Agent.lnk", SimShortcut{L"C:\\Program Files\\Agent\\agent.exe"});
  h.machine.files().AddFile(kUserStartup + L"\\helper.exe", "");
  EXPECT_TRUE(startMan.IsStartupProgram(L"C:\\Windows\\notepad.exe"));  // the document's program
  EXPECT_TRUE(startMan.IsStartupProgram(L"C:\\Program Files\\Agent\\Agent.exe"));
  EXPECT_TRUE(startMan.IsStartupProgram(kUserStartup + L"\\helper.exe"));
  EXPECT_FALSE(startMan.IsStartupProgram(L"C:\\docs\\notes.txt"));
}

TEST_F(StartupProgramsTest, HiddenFilesAndSubfoldersOfAStartupFolderAreSkipped) {
  h.links().AddShortcut(kUserStartup + L"\\Hidden.lnk", SimShortcut{L"C:\\hidden\\h.exe"});
  h.machine.files().SetAttributes(kUserStartup + L"\\Hidden.lnk", platform::FileAttributeHidden);
  h.links().AddShortcut(kUserStartup + L"\\Sub\\Deeper.lnk", SimShortcut{L"C:\\deeper\\d.exe"});
  h.links().AddShortcut(kUserStartup + L"\\Shown.lnk", SimShortcut{L"C:\\shown\\s.exe"});
  EXPECT_TRUE(startMan.IsStartupProgram(L"C:\\shown\\s.exe"));
  EXPECT_FALSE(startMan.IsStartupProgram(L"C:\\hidden\\h.exe"));
  EXPECT_FALSE(startMan.IsStartupProgram(L"C:\\deeper\\d.exe"));
  EXPECT_EQ(*startMan.StartupEntries(), std::vector<std::wstring>{kUserStartup + L"\\Shown.lnk"});
}

TEST_F(StartupProgramsTest, SourcesAreReadInOrderAndANonTextValueEndsOnlyItsOwnSource) {
  h.machine.files().AddFile(kCommonStartup + L"\\common.exe", "");
  h.machine.files().AddFile(kUserStartup + L"\\user.exe", "");
  Run(RegistryRoot::CurrentUser, L"first", L"C:\\u\\first.exe");
  Run(RegistryRoot::CurrentUser, L"number", L"1", RegistryType::Dword);
  Run(RegistryRoot::CurrentUser, L"after", L"C:\\u\\after.exe");
  Run(RegistryRoot::LocalMachine, L"machine", L"C:\\m\\machine.exe -x");
  startMan.RefreshStartupList();
  EXPECT_EQ(*startMan.StartupEntries(),
            (std::vector<std::wstring>{kCommonStartup + L"\\common.exe", kUserStartup + L"\\user.exe",
                                       L"C:\\u\\first.exe", L"C:\\m\\machine.exe -x"}));
}

TEST_F(StartupProgramsTest, MachineWideSourcesGiveNothingWithoutFullAccess) {
  h.machine.files().AddFile(kCommonStartup + L"\\common.exe", "");
  Run(RegistryRoot::LocalMachine, L"machine", L"C:\\m\\machine.exe");
  Run(RegistryRoot::CurrentUser, L"user", L"C:\\u\\user.exe");
  h.registry().RefuseMachineChanges(true);
  EXPECT_FALSE(startMan.IsStartupProgram(L"C:\\m\\machine.exe"));
  EXPECT_FALSE(startMan.IsStartupProgram(kCommonStartup + L"\\common.exe"));
  EXPECT_TRUE(startMan.IsStartupProgram(L"C:\\u\\user.exe"));
}

TEST_F(StartupProgramsTest, EntriesAreReadOnceForTheRun) {
  Run(RegistryRoot::CurrentUser, L"one", L"C:\\u\\one.exe");
  EXPECT_TRUE(startMan.IsStartupProgram(L"C:\\u\\one.exe"));
  Run(RegistryRoot::CurrentUser, L"two", L"C:\\u\\two.exe");
  EXPECT_FALSE(startMan.IsStartupProgram(L"C:\\u\\two.exe"));
}

TEST_F(StartupProgramsTest, BrokenSourcesAndEntriesDoNoHarm) {
  // A Shell Folders value that is not text, an empty one, and an entry whose
  // program is unknown: an unknown window program must not match it.
  h.registry().SetValue({RegistryRoot::CurrentUser, kShellFolders}, L"StartUp", RegistryType::Binary, L"x");
  h.registry().SetValue({RegistryRoot::LocalMachine, kShellFolders}, L"Common Startup", RegistryType::String, L"");
  h.machine.files().AddFile(L"C:\\a.exe", "");  // would be listed from the root for an empty folder
  Run(RegistryRoot::CurrentUser, L"odd", L"");
  Run(RegistryRoot::CurrentUser, L"good", L"C:\\u\\good.exe");
  EXPECT_FALSE(Filter(L"", L"Unknown"));
  EXPECT_TRUE(Filter(L"C:\\u\\good.exe", L"Good"));
  EXPECT_EQ(*startMan.StartupEntries(), (std::vector<std::wstring>{L"", L"C:\\u\\good.exe"}));
}

TEST_F(StartupProgramsTest, ASourceThatFailsIsReportedToTheDeveloperAndTheNextOneIsStillRead) {
  h.registry().SetValue({RegistryRoot::CurrentUser, kShellFolders}, L"StartUp", RegistryType::Binary, L"x");
  h.machine.files().AddFile(kCommonStartup + L"\\common.exe", "");
  h.machine.files().AddFile(kUserStartup + L"\\user.exe", "");
  Run(RegistryRoot::CurrentUser, L"after", L"C:\\u\\after.exe");
  startMan.RefreshStartupList();
  EXPECT_EQ(*startMan.StartupEntries(),
            (std::vector<std::wstring>{kCommonStartup + L"\\common.exe", L"C:\\u\\after.exe"}));
  EXPECT_EQ(h.machine.developerLog().Reports(),
            (std::vector<platform::sim::DeveloperReport>{
                {L"TWindowsStartMan.ReadStartupFolder",
                 L"registry value is not text: Software\\MicroSoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders\\StartUp"}}));
}

TEST(StartupFilterListTest, FindsARowByLocationIgnoringCaseAndBlanks) {
  testing::ResolutionHarness h;
  const std::vector<window::StartupFilterRow> rows = {{L"A", L"C:\\a\\one.exe "}, {L"B", L"C:\\B\\two.exe"}};
  EXPECT_TRUE(InStartupFilterList(h.services.text, rows, L"c:\\b\\TWO.exe"));
  EXPECT_TRUE(InStartupFilterList(h.services.text, rows, L" C:\\A\\one.exe"));
  EXPECT_FALSE(InStartupFilterList(h.services.text, rows, L"C:\\a\\two.exe"));
  EXPECT_FALSE(InStartupFilterList(h.services.text, {}, L"C:\\a\\one.exe"));
}

}  // namespace
}  // namespace kalvora::capture
