#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "common/WideText.h"
#include "settings/Shortcuts.h"
#include "settings/StartWithWindows.h"
#include "settings/TaskbarPin.h"
#include "support/WindowHarness.h"

namespace kalvora::testing {
namespace {

using platform::RegistryKey;
using platform::RegistryRoot;
using platform::RegistryView;
using platform::SpecialFolder;
using platform::sim::RegistryType;
using platform::sim::SimProcess;
using platform::sim::SimShortcut;

const std::wstring ProgramFile = SimProcess::kDefaultProgramFile;
const std::wstring ProgramFolder = L"C:\\Program Files\\Kalvora\\";
const std::wstring ExpectedRunData = L"\"C:\\Program Files\\Kalvora\\kalvora.exe\" /run";
const std::wstring ElsewhereRunData = L"\"D:\\Old\\kalvora.exe\" /run";
// Where the 32-bit view keeps the Run key on 64-bit Windows.
const RegistryKey Run32Place{RegistryRoot::LocalMachine,
                             L"Software\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Run"};
const std::wstring SendToLink = L"C:\\users\\joe\\AppData\\Roaming\\Microsoft\\Windows\\SendTo\\Revisto.lnk";
const std::wstring PinnedLink = L"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Kalvora\\Kalvora.lnk";

// Program starts on one simulated machine, and its Run value.
class ShellIntegrationHarness : public WindowHarness {
 public:
  using WindowHarness::WindowHarness;

  // Ends the current window (if any) and starts the program again on the same machine.
  app::TRevistoWindow& Start() {
    window.reset();
    return Create();
  }
  std::optional<std::wstring> RunValue() { return machine.registry().ReadString(Run32Place, L"Kalvora"); }
  void SetRunValue(const std::wstring& data) {
    machine.registry().SetValue(Run32Place, L"Kalvora", RegistryType::String, data);
  }

  settings::SettingsFile userFile{platform.profiles, UserSettingsPath()};
};

TEST(StartWithWindows, ApplyTouchesTheRegistryOnlyWhenChoiceAndValueDisagree) {
  struct Case {
    const char* name;
    bool ticked;
    std::optional<std::wstring> before;
    std::optional<std::wstring> after;
    int changeRequests;
  };
  const Case cases[] = {
      {"ticked, absent: written", true, std::nullopt, ExpectedRunData, 1},
      {"ticked, blank data counts as absent", true, L"  \t ", ExpectedRunData, 1},
      {"ticked, present elsewhere: left alone", true, ElsewhereRunData, ElsewhereRunData, 0},
      {"unticked, present elsewhere: deleted", false, ElsewhereRunData, std::nullopt, 1},
      {"unticked, absent: left alone", false, std::nullopt, std::nullopt, 0},
      {"unticked, blank data: not present, left alone", false, L" ", L" ", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ShellIntegrationHarness h;
    if (c.before) h.SetRunValue(*c.before);
    auto& window = h.Window();
    window.SettingsDialog().CbRunWhenWS = c.ticked;
    window.ApplySettings();
    EXPECT_EQ(h.RunValue(), c.after);
    EXPECT_EQ(h.machine.registry().ChangeRequests(), c.changeRequests);

    // Applying the same choice again never touches the registry.
    window.ApplySettings();
    EXPECT_EQ(h.RunValue(), c.after);
    EXPECT_EQ(h.machine.registry().ChangeRequests(), c.changeRequests);
    EXPECT_EQ(h.machine.registry().ReadString(
                  {RegistryRoot::LocalMachine, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run"}, L"Kalvora"),
              std::nullopt)
        << "the 64-bit view's Run key is not used";
  }
}

TEST(StartWithWindows, RefusedChangeIsSilentAndTriedAgainNextTime) {
  for (bool ticked : {true, false}) {
    SCOPED_TRACE(ticked ? "write refused" : "deletion refused");
    ShellIntegrationHarness h;
    if (!ticked) h.SetRunValue(ElsewhereRunData);
    const auto before = h.RunValue();
    auto& window = h.Window();
    window.SettingsDialog().CbRunWhenWS = ticked;

    h.machine.registry().RefuseMachineChanges(true);  // no administrator rights
    EXPECT_NO_THROW(window.ApplySettings());
    EXPECT_EQ(h.RunValue(), before);
    EXPECT_EQ(window.SettingsDialog().CbRunWhenWS, ticked) << "the check box keeps the user's choice";
    EXPECT_EQ(h.machine.registry().ChangeRequests(), 1);

    h.machine.registry().RefuseMachineChanges(false);
    window.ApplySettings();
    EXPECT_EQ(h.RunValue(), ticked ? std::optional<std::wstring>(ExpectedRunData) : std::nullopt);
  }
}

TEST(StartWithWindows, LoadedSettingsShowWhetherTheValueIsPresent) {
  struct Case {
    const char* name;
    std::optional<std::wstring> data;
    RegistryType type;
    bool ticked;
  };
  const Case cases[] = {
      {"absent", std::nullopt, RegistryType::String, false},
      {"blank", L"   ", RegistryType::String, false},
      {"pointing to another folder", ElsewhereRunData, RegistryType::String, true},
      {"expandable text", L"%ProgramFiles%\\Kalvora\\kalvora.exe", RegistryType::ExpandString, true},
      {"not text at all", L"1", RegistryType::Dword, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ShellIntegrationHarness h;
    if (c.data) h.machine.registry().SetValue(Run32Place, L"Kalvora", c.type, *c.data);
    auto& window = h.Create();
    EXPECT_EQ(window.SettingsDialog().CbRunWhenWS, c.ticked);
    EXPECT_EQ(h.machine.registry().ChangeRequests(), 0) << "starting with the loaded choice changes nothing";
  }
}

TEST(StartWithWindows, CommandLineQuotesTheProgramFileOfTheGivenFolder) {
  EXPECT_EQ(settings::StartWithWindowsCommandLine(L"C:\\Program Files\\Kalvora\\", L"kalvora.exe"), ExpectedRunData);
  // The product's file name, not the name the running file happens to have.
  ShellIntegrationHarness h({}, L"E:\\Tools\\K\\kalvora-old.exe");
  auto& renamed = h.Window();
  renamed.SettingsDialog().CbRunWhenWS = true;
  renamed.ApplySettings();
  EXPECT_EQ(h.RunValue(), L"\"E:\\Tools\\K\\kalvora.exe\" /run");
  EXPECT_TRUE(renamed.IsStartWithWindows());
}

TEST(PinToTaskbar, CountsTheFirstStartPinsAtTheSecondAndThenStops) {
  ShellIntegrationHarness h;
  h.SetUserKey(L"CbNotShowAgain", L"1");
  h.machine.links().AddShortcut(PinnedLink, SimShortcut{ProgramFile, ProgramFolder});

  h.Start();
  EXPECT_EQ(h.UserKey(L"PinToTaskBar", L"install"), L"1");
  EXPECT_TRUE(h.machine.LaunchLog().empty());

  h.Start();
  EXPECT_EQ(h.UserKey(L"PinToTaskBar", L"install"), L"2");
  const auto& log = h.machine.LaunchLog();
  ASSERT_EQ(log.size(), 2u);
  const wchar_t* verbs[] = {L"TaskbarPin", L"StartPin"};
  for (std::size_t i = 0; i < log.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(log[i].verb, verbs[i]);
    EXPECT_EQ(log[i].file, PinnedLink);
    EXPECT_EQ(log[i].parameters, L"");
    EXPECT_EQ(log[i].directory, L"");
    EXPECT_EQ(static_cast<int>(log[i].show), 5) << "SW_SHOW";
  }

  h.Start();
  EXPECT_EQ(h.UserKey(L"PinToTaskBar", L"install"), L"2");
  EXPECT_EQ(h.machine.LaunchLog().size(), 2u);
}

TEST(PinToTaskbar, MissingStartMenuShortcutOrOtherCountersPinNothing) {
  struct Case {
    const char* name;
    std::wstring counter;
    bool shortcutThere;
    std::wstring counterAfter;
  };
  const Case cases[] = {
      {"second start without the installer's shortcut", L"1", false, L"2"},
      {"already pinned", L"2", true, L"2"},
      {"a count this program never writes", L"7", true, L"7"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ShellIntegrationHarness h;
    h.SetUserKey(L"CbNotShowAgain", L"1");
    h.SetUserKey(L"PinToTaskBar", c.counter, L"install");
    if (c.shortcutThere) h.machine.links().AddShortcut(PinnedLink, SimShortcut{ProgramFile, ProgramFolder});
    h.Start();
    EXPECT_EQ(h.UserKey(L"PinToTaskBar", L"install"), c.counterAfter);
    EXPECT_TRUE(h.machine.LaunchLog().empty());
  }
}

TEST(PinToTaskbar, NoAllUsersProgramsFolderPinsNothing) {
  ShellIntegrationHarness h;
  h.SetUserKey(L"PinToTaskBar", L"1", L"install");
  h.machine.SetSpecialFolder(SpecialFolder::CommonPrograms, L"");
  h.machine.links().AddShortcut(L"C:\\Kalvora\\Kalvora.lnk", SimShortcut{ProgramFile, ProgramFolder});
  EXPECT_EQ(settings::PinnedShortcutPath(h.platform.folders, L"Kalvora"), L"");
  settings::PinToTaskbarOnce(h.platform, h.userFile, L"Kalvora");
  EXPECT_TRUE(h.machine.LaunchLog().empty());
}

TEST(Shortcuts, NameIsSanitisedAndAnExistingFileReplaced) {
  struct Case {
    std::wstring name;
    std::wstring fileName;
  };
  const Case cases[] = {
      {L"a:b?c", L"a_b_c.lnk"},
      {L"/\\:*?\"<>|", L"_________.lnk"},
      {L"Projects - \u00c9t\u00e9 (2) [x] 1.5", L"Projects - \u00c9t\u00e9 (2) [x] 1.5.lnk"},
  };
  const std::wstring recent = L"C:\\users\\joe\\AppData\\Roaming\\Microsoft\\Windows\\Recent";
  for (const Case& c : cases) {
    SCOPED_TRACE(text::WideToUtf8(c.name));
    ShellIntegrationHarness h;
    h.machine.files().CreateDirectoryTree(recent);
    const std::wstring link = recent + L"\\" + c.fileName;
    h.machine.links().AddShortcut(link, SimShortcut{L"C:\\old"});
    EXPECT_TRUE(settings::CreateShortcut(h.platform.links, L"D:\\Projects\\Kalvora", c.name, recent));
    const auto written = h.machine.links().Shortcut(link);
    ASSERT_TRUE(written);
    EXPECT_EQ(written->target, L"D:\\Projects\\Kalvora");
    EXPECT_EQ(written->workingDirectory, L"D:\\Projects\\") << "the target's folder";
    EXPECT_EQ(h.machine.files().ListFolder(recent).size(), 1u);
  }
}

TEST(Shortcuts, NoFolderOrAMissingFolderWritesNothing) {
  ShellIntegrationHarness h;
  EXPECT_FALSE(settings::CreateShortcut(h.platform.links, L"D:\\Projects", L"Projects", L""));
  EXPECT_FALSE(h.machine.files().FileExists(L"C:\\Projects.lnk"));
  EXPECT_FALSE(settings::CreateShortcut(h.platform.links, L"D:\\Projects", L"Projects", L"C:\\no\\such"));
  EXPECT_FALSE(h.machine.files().FileExists(L"C:\\no\\such\\Projects.lnk"));
}

TEST(SendToShortcut, CreatedAtTheFirstStartAndNeverRecreated) {
  ShellIntegrationHarness h;
  h.SetUserKey(L"CbNotShowAgain", L"1");
  h.Start().OnTimer(app::TimerId::FirstRun);
  auto link = h.machine.links().Shortcut(SendToLink);
  ASSERT_TRUE(link);
  EXPECT_EQ(link->target, ProgramFile);
  EXPECT_EQ(link->workingDirectory, ProgramFolder);

  // The user pointed it elsewhere; later starts leave it as it is.
  h.machine.links().AddShortcut(SendToLink, SimShortcut{L"D:\\Other\\tool.exe", L"D:\\Other\\"});
  h.Start().OnTimer(app::TimerId::FirstRun);
  link = h.machine.links().Shortcut(SendToLink);
  ASSERT_TRUE(link);
  EXPECT_EQ(link->target, L"D:\\Other\\tool.exe");
  EXPECT_EQ(link->workingDirectory, L"D:\\Other\\");
}

TEST(SendToShortcut, OnlyOnWindowsSevenAndOnlyWithASendToFolder) {
  ShellIntegrationHarness later;
  later.SetUserKey(L"CbNotShowAgain", L"1");
  later.machine.SetOsVersion({2, 10, 0});
  later.Start().OnTimer(app::TimerId::FirstRun);
  EXPECT_FALSE(later.machine.files().FileExists(SendToLink));
  EXPECT_EQ(later.UserKey(L"PinToTaskBar", L"install"), L"<missing>");

  ShellIntegrationHarness none;
  none.machine.SetSpecialFolder(SpecialFolder::SendTo, L"");
  EXPECT_FALSE(settings::EnsureSendToShortcut(none.platform, ProgramFile));
  EXPECT_FALSE(none.machine.files().FileExists(L"C:\\Revisto.lnk"));
}

}  // namespace
}  // namespace kalvora::testing
