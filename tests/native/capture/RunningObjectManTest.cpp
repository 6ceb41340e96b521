// The 10-second writer of shortcuts for the open folder windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "capture/RunningObjectMan.h"
#include "support/DocumentTreeHarness.h"

namespace kalvora::capture {
namespace {

// The main window's timer; the test fires its ticks by hand.
struct FakeTimer : RunningObjectManHost {
  void StartFolderShortcutTimer(unsigned intervalMs) override {
    running = true;
    interval = intervalMs;
  }
  void StopFolderShortcutTimer() override { running = false; }
  bool running = false;
  unsigned interval = 0;
};

struct RunningObjectManTest : ::testing::Test {
  testing::DocumentTreeHarness h;
  FakeTimer timer;
  TRunningObjectMan man{h.process.Platform(), h.tree.Paths(), timer};
  const std::wstring recent = h.machine.folders().SpecialFolderPath(platform::SpecialFolder::Recent);

  RunningObjectManTest() {
    h.AddFolder(L"D:\\Projects");
    h.AddFolder(L"C:\\Users\\me\\My Documents");
    h.machine.files().AddDrive(L'E');
    h.machine.drives().SetDriveType(L'E', platform::DriveRemovable);
    h.machine.files().CreateDirectoryTree(recent);
  }

  // "name.lnk -> target" for each shortcut in the Recent folder.
  std::vector<std::wstring> RecentShortcuts() {
    std::vector<std::wstring> out;
    for (const auto& entry : h.machine.files().FindFiles(recent + L"\\*.lnk"))
      out.push_back(entry.name + L" -> " + h.machine.links().ReadTarget(recent + L"\\" + entry.name));
    std::sort(out.begin(), out.end());
    return out;
  }
  void Tick() {
    if (timer.running) man.WriteFolderShortcuts();
  }
};

TEST_F(RunningObjectManTest, CreatesItsOwnFolderAndWaitsForStart) {
  EXPECT_TRUE(h.machine.files().DirectoryExists(L"C:\\users\\joe\\Documents\\revisto\\recent"));
  EXPECT_EQ(man.RecentFolder(), recent);
  EXPECT_FALSE(timer.running);
  man.StartFolderShortcuts();
  EXPECT_TRUE(timer.running);
  EXPECT_EQ(timer.interval, 10000u);
}

TEST_F(RunningObjectManTest, EachTickWritesOneShortcutPerOpenFolderWindow) {
  auto& shell = h.process.shellWindows();
  shell.OpenExplorer(L"D:\\Projects");
  shell.OpenExplorer(L"C:\\Users\\me\\My Documents");
  shell.OpenExplorer(L"E:\\");
  shell.OpenVirtualPlace();
  shell.OpenBrowser(L"http://example.com/", L"Example Domain");
  man.StartFolderShortcuts();
  Tick();
  const std::vector<std::wstring> expected = {
      L"My Documents.lnk -> C:\\Users\\me\\My Documents",
      L"Projects.lnk -> D:\\Projects",
      L"Removable Disk (E_).lnk -> E:\\",
  };
  EXPECT_EQ(RecentShortcuts(), expected);
  ASSERT_TRUE(h.machine.links().Shortcut(recent + L"\\Projects.lnk"));
  EXPECT_EQ(h.machine.links().Shortcut(recent + L"\\Projects.lnk")->workingDirectory, L"D:\\");

  // The next tick rewrites them: a changed shortcut points at the folder again.
  h.machine.links().AddShortcut(recent + L"\\Projects.lnk", platform::sim::SimShortcut(L"D:\\Elsewhere"));
  Tick();
  EXPECT_EQ(RecentShortcuts(), expected);
}

TEST_F(RunningObjectManTest, AFailingPassStopsTheTimerUntilStartedAgain) {
  auto& shell = h.process.shellWindows();
  shell.OpenExplorer(L"D:\\Projects");
  man.StartFolderShortcuts();
  shell.SetUnavailable(true);
  Tick();
  EXPECT_FALSE(timer.running);
  EXPECT_TRUE(RecentShortcuts().empty());

  shell.SetUnavailable(false);
  Tick();  // the stopped timer does not fire
  EXPECT_TRUE(RecentShortcuts().empty());

  man.StartFolderShortcuts();
  Tick();
  EXPECT_TRUE(timer.running);
  EXPECT_EQ(RecentShortcuts(), std::vector<std::wstring>{L"Projects.lnk -> D:\\Projects"});
}

TEST_F(RunningObjectManTest, StartingAgainLeavesARunningTimerAlone) {
  int starts = 0;
  struct CountingTimer : RunningObjectManHost {
    int& starts;
    explicit CountingTimer(int& s) : starts(s) {}
    void StartFolderShortcutTimer(unsigned) override { ++starts; }
    void StopFolderShortcutTimer() override {}
  } counting{starts};
  h.process.shellWindows().SetUnavailable(true);
  TRunningObjectMan writer{h.process.Platform(), h.tree.Paths(), counting};
  writer.StartFolderShortcuts();
  writer.StartFolderShortcuts();
  EXPECT_EQ(starts, 1) << "setting a running timer again would restart its countdown";
  writer.WriteFolderShortcuts();  // fails and stops the timer
  writer.StartFolderShortcuts();
  EXPECT_EQ(starts, 2) << "a stopped timer starts again";
}

// The user's choice to keep no recent items holds: no shortcut is written.
TEST_F(RunningObjectManTest, NoShortcutsWhileRecentItemsTrackingIsOff) {
  using platform::RegistryRoot;
  const std::wstring policies = L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
  const std::wstring advanced = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
  struct Case {
    const char* what;
    RegistryRoot root;
    std::wstring key, name, value;
    bool written;
  };
  const Case cases[] = {
      {"nothing set", RegistryRoot::CurrentUser, L"", L"", L"", true},
      {"the user's policy", RegistryRoot::CurrentUser, policies, L"NoRecentDocsHistory", L"1", false},
      {"the machine's policy", RegistryRoot::LocalMachine, policies, L"NoRecentDocsHistory", L"1", false},
      {"policy set to 0", RegistryRoot::CurrentUser, policies, L"NoRecentDocsHistory", L"0", true},
      {"Explorer's setting off", RegistryRoot::CurrentUser, advanced, L"Start_TrackDocs", L"0", false},
      {"Explorer's setting on", RegistryRoot::CurrentUser, advanced, L"Start_TrackDocs", L"1", true},
  };
  h.process.shellWindows().OpenExplorer(L"D:\\Projects");
  man.StartFolderShortcuts();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    h.machine.registry().DeleteKey({RegistryRoot::CurrentUser, policies});
    h.machine.registry().DeleteKey({RegistryRoot::CurrentUser, advanced});
    h.machine.registry().DeleteKey({RegistryRoot::LocalMachine, policies});
    for (const auto& entry : h.machine.files().FindFiles(recent + L"\\*.lnk"))
      h.machine.files().RemoveFile(recent + L"\\" + entry.name);
    if (!c.key.empty())
      h.machine.registry().SetValue({c.root, c.key}, c.name, platform::sim::RegistryType::Dword, c.value);
    EXPECT_EQ(RecentItemsTracked(h.machine.registry()), c.written);
    Tick();
    EXPECT_EQ(RecentShortcuts().size(), c.written ? 1u : 0u);
    EXPECT_TRUE(timer.running) << "turning tracking on again takes effect at the next pass";
  }
}

}  // namespace
}  // namespace kalvora::capture
