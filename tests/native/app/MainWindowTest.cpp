#include <gtest/gtest.h>

#include "app/main/MenuDefinitions.h"
#include "support/WindowHarness.h"

namespace kalvora::testing {
namespace {

using app::Command;
using app::TimerId;

TEST(MainWindow, FirstStartWindowAndLayout) {
  WindowHarness h;
  h.machine.SetScreenSize(1280, 1024);
  h.Create();
  const auto& shown = h.view.shown;
  EXPECT_EQ(shown.caption, L"Kalvora 2.1");
  EXPECT_EQ(shown.pages[window::PageAll].caption, L"   Recently Open Folders   ");
  EXPECT_TRUE(shown.pages[window::PageAll].visible);
  EXPECT_FALSE(shown.pages[window::PageApplication].visible);
  EXPECT_FALSE(shown.pages[window::PageFileFolder].visible);
  EXPECT_FALSE(shown.pages[window::PageWebPage].visible);
  EXPECT_FALSE(shown.toolPanelVisible);
  EXPECT_FALSE(shown.recordListVisible);
  EXPECT_FALSE(shown.menuBarVisible);
  EXPECT_FALSE(shown.statusBarVisible);
  EXPECT_EQ(shown.statusPanels[0].text, L"No Items Selected.");
  EXPECT_EQ(shown.statusPanels[0].width, 250);
  EXPECT_EQ(shown.statusPanels[1].width, 50);

  const auto& g = h.view.placement.geometry;
  EXPECT_TRUE(h.view.placement.normal);
  EXPECT_EQ(g.width, 420);
  EXPECT_EQ(g.height, 700);
  EXPECT_EQ(g.left, 150);
  EXPECT_EQ(g.top, 1024 - 700 - 40) << "its bottom 40 pixels above the screen's bottom";

  EXPECT_EQ(h.UserKey(L"MenuBar1"), L"0") << "menu and status bar states are written back";
  EXPECT_EQ(h.UserKey(L"StatusBar1"), L"0");
  EXPECT_TRUE(h.view.TimerEnabled(TimerId::FirstRun));
  EXPECT_EQ(h.view.timers[TimerId::FirstRun].intervalMs, 10u);
  EXPECT_EQ(h.window->State().OsName, L"windows 7");
  EXPECT_EQ(h.window->State().MyDocumentsPath, L"C:\\users\\joe\\Documents");
  EXPECT_TRUE(h.window->State().StartingFlag);
  EXPECT_FALSE(h.window->State().StartupDone);
}

TEST(MainWindow, CreationRunsItsStepsInOrder) {
  WindowHarness h;
  std::vector<std::string> order;
  h.process.dialogs().AnswerDialogs([&](auto&) {
    order.push_back("SmartFolderSettingsDialog");
    return false;
  });
  h.operations.onCall = [&](const std::string& name) {
    // The folder refresh runs with the settings already loaded.
    if (name == "RefreshRecentFolders") EXPECT_FALSE(h.window->SettingsDialog().EdtRecordPath.empty());
    order.push_back(name);
  };
  h.Create();
  EXPECT_EQ(order, (std::vector<std::string>{"RegisterDropTarget", "PinToTaskbarOnce", "ApplyStartWithWindows(0)",
                                             "RefreshRecentFolders", "SmartFolderSettingsDialog"}));
}

TEST(MainWindow, WindowsSevenStepsRunOnlyThere) {
  WindowHarness h;
  h.machine.SetOsVersion({2, 10, 0});
  h.SetUserKey(L"CbNotShowAgain", L"1");
  auto& window = h.Create();
  window.OnTimer(TimerId::FirstRun);
  for (const auto& call : h.operations.calls) {
    EXPECT_NE(call, "PinToTaskbarOnce");
    EXPECT_NE(call, "EnsureSendToShortcut");
  }
  EXPECT_EQ(window.State().OsName, L"windows");
}

TEST(MainWindow, StoredGeometryIsShrunkOrMaximised) {
  WindowHarness big;
  big.machine.SetScreenSize(1024, 768);
  big.SetUserKey(L"Left", L"100");
  big.SetUserKey(L"Top", L"50");
  big.SetUserKey(L"Width", L"2000");
  big.SetUserKey(L"Height", L"2000");
  big.Create();
  EXPECT_EQ(big.view.placement.geometry.left, 100);
  EXPECT_EQ(big.view.placement.geometry.top, 50);
  EXPECT_EQ(big.view.placement.geometry.width, 924);
  EXPECT_EQ(big.view.placement.geometry.height, 718);

  WindowHarness maximised;
  maximised.SetUserKey(L"WindStateInd", L"0");
  maximised.Create();
  EXPECT_TRUE(maximised.view.maximized);

  WindowHarness garbage;
  garbage.SetUserKey(L"Width", L"abc");
  garbage.SetUserKey(L"Height", L"");
  garbage.SetUserKey(L"GbRecList", L"wide");
  garbage.Create();
  EXPECT_EQ(garbage.view.placement.geometry.width, 420);
  EXPECT_EQ(garbage.view.placement.geometry.height, 700);
  EXPECT_EQ(garbage.view.shown.recordListWidth, 120);
}

TEST(MainWindow, StartupTimerBranches) {
  struct Case {
    const char* name;
    std::vector<std::wstring> args;
    std::vector<std::wstring> records;
    int startupRecord;
    int storedListIndex;
    std::vector<std::string> calls;
    bool newRecord;
    int selected;  // the list's index afterwards
  };
  const Case cases[] = {
      {"no records, a file handed over: capture", {L"C:\\x.txt"}, {}, -1, 0,
       {"EnsureSendToShortcut", "RunCapture", "CommandLineIntake"}, true, -1},
      {"no records, no arguments", {}, {}, -1, 0, {"EnsureSendToShortcut", "CommandLineIntake"}, false, -1},
      {"no records, /run first", {L"/run", L"C:\\x.txt"}, {}, -1, 0,
       {"EnsureSendToShortcut", "CommandLineIntake"}, false, -1},
      {"no records, /install", {L"/install"}, {}, -1, 0,
       {"EnsureSendToShortcut", "CheckForUpdate", "CommandLineIntake"}, false, -1},
      {"records, no start-up record", {L"C:\\x.txt"}, {L"Recent Folders"}, -1, 0,
       {"EnsureSendToShortcut", "RefreshRecentFolders", "CommandLineIntake"}, false, -1},
      {"start-up record without /run", {}, {L"a", L"b", L"c"}, 2, 1,
       {"EnsureSendToShortcut", "OpenSelectedRecord", "CommandLineIntake"}, false, 1},
      {"start-up record with /run", {L" /run "}, {L"a", L"b", L"c"}, 2, 1,
       {"EnsureSendToShortcut", "OpenSelectedRecord", "ReplayAll", "OpenSelectedRecord", "CommandLineIntake"},
       false, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WindowHarness h(c.args);
    h.SetUserKey(L"CbNotShowAgain", L"1");
    h.SetUserKey(L"RECIndWhenStartup", std::to_wstring(c.startupRecord));
    h.SetUserKey(L"LbRECs", std::to_wstring(c.storedListIndex));
    auto& window = h.Create();
    window.MutableLayout().recordList = c.records;
    std::vector<int> selectedWhenOpened;
    h.operations.calls.clear();
    h.operations.onCall = [&](const std::string& name) {
      if (name == "OpenSelectedRecord") selectedWhenOpened.push_back(window.Layout().recordListIndex);
    };
    window.OnTimer(TimerId::FirstRun);
    EXPECT_EQ(h.operations.calls, c.calls);
    EXPECT_EQ(window.State().NewRecordFlag, c.newRecord);
    EXPECT_EQ(window.Layout().recordListIndex, c.selected);
    EXPECT_FALSE(h.view.TimerEnabled(TimerId::FirstRun)) << "the start-up timer runs once";
    EXPECT_TRUE(window.State().StartupDone);
    EXPECT_FALSE(window.State().StartingFlag);
    if (c.calls.size() == 5) EXPECT_EQ(selectedWhenOpened, (std::vector<int>{2, 1}));
  }
}

TEST(MainWindow, StartRequestsFromTheSharedSettings) {
  struct Case {
    const wchar_t* value;
    bool smartRecord;
    bool settingsOpened;
  };
  const Case cases[] = {{L"3", true, false}, {L"4", false, true}, {L"0", false, false}, {L"9", false, false}};
  for (const auto& c : cases) {
    WindowHarness h;
    h.SetUserKey(L"CbNotShowAgain", L"1");
    h.SetSharedKey(L"status", L"openwindow", c.value);
    auto& window = h.Create();
    h.operations.calls.clear();
    window.OnTimer(TimerId::FirstRun);
    EXPECT_EQ(window.WindowSettings().cbSmartRecord, c.smartRecord) << c.value;
    const bool opened = std::find(h.operations.calls.begin(), h.operations.calls.end(), "OpenSettingsDialog") !=
                        h.operations.calls.end();
    EXPECT_EQ(opened, c.settingsOpened) << c.value;
  }
}

TEST(MainWindow, ActivationRefreshesOnlyAfterStartup) {
  WindowHarness h;
  h.SetUserKey(L"CbNotShowAgain", L"1");
  auto& window = h.Create();
  h.operations.calls.clear();
  window.OnActivateApp(true);
  EXPECT_TRUE(h.operations.calls.empty()) << "activation before start-up is done does nothing";
  EXPECT_TRUE(window.State().Memo1.empty());

  window.OnTimer(TimerId::FirstRun);
  h.operations.calls.clear();
  window.OnActivateApp(true);
  window.OnActivateApp(false);
  window.OnActivateApp(true);
  EXPECT_EQ(h.operations.calls, (std::vector<std::string>{"RefreshRecentFolders", "RefreshRecentFolders"}));
  EXPECT_EQ(window.State().Memo1, (std::vector<std::wstring>{L"active rec", L"active rec"}));
}

TEST(MainWindow, RefreshTimerAndCommandsRefreshTheFolders) {
  WindowHarness h;
  h.SetUserKey(L"CbNotShowAgain", L"1");
  auto& window = h.Create();
  h.operations.calls.clear();
  window.OnTimer(TimerId::RecFolders);
  window.OnCommand(Command::Refresh2);
  window.OnCommand(Command::Refresh3);
  EXPECT_EQ(h.operations.calls, std::vector<std::string>(3, "RefreshRecentFolders"));
}

TEST(MainWindow, FinishTimerHidesTheProgressAndDropsTopmostUnlessAlwaysOnTop) {
  for (bool alwaysOnTop : {false, true}) {
    WindowHarness h;
    h.SetUserKey(L"CbNotShowAgain", L"1");
    h.SetUserKey(L"Alwaysontop1", alwaysOnTop ? L"1" : L"0");
    auto& window = h.Create();
    window.MutableLayout().progressPanelVisible = true;
    window.MutableLayout().gaugePosition = 70;
    h.view.topmost.clear();
    h.view.SetTimer(TimerId::Finish, 3000, true);
    window.OnTimer(TimerId::Finish);
    EXPECT_FALSE(h.view.TimerEnabled(TimerId::Finish));
    EXPECT_FALSE(h.view.shown.progressPanelVisible);
    EXPECT_EQ(h.view.shown.gaugePosition, 0);
    EXPECT_EQ(h.view.topmost, alwaysOnTop ? std::vector<bool>{} : std::vector<bool>{false});
  }
}

TEST(MainWindow, MenuBarAndStatusBarItemsStayInStepAndAreStored) {
  WindowHarness h;
  h.SetUserKey(L"CbNotShowAgain", L"1");
  h.SetUserKey(L"StatusBar1", L"1");
  auto& window = h.Create();
  EXPECT_TRUE(h.view.shown.statusBarVisible);
  EXPECT_EQ(h.view.shown.statusBarChecked, (std::array<bool, 2>{true, true}));

  struct Step {
    Command command;
    bool menuBar;
    bool statusBar;
  };
  const Step steps[] = {
      {Command::MenuBar3, true, true},   {Command::MenuBar2, false, true}, {Command::MenuBar1, true, true},
      {Command::StatusBar2, true, false}, {Command::StatusBar1, true, true},
  };
  for (const auto& s : steps) {
    window.OnCommand(s.command);
    EXPECT_EQ(h.view.shown.menuBarVisible, s.menuBar);
    EXPECT_EQ(h.view.shown.menuBarChecked, (std::array<bool, 3>{s.menuBar, s.menuBar, s.menuBar}));
    EXPECT_EQ(h.view.shown.statusBarVisible, s.statusBar);
    EXPECT_EQ(h.UserKey(L"MenuBar1"), s.menuBar ? L"1" : L"0");
    EXPECT_EQ(h.UserKey(L"StatusBar1"), s.statusBar ? L"1" : L"0");
  }
}

TEST(MainWindow, TextSizeItems) {
  WindowHarness h;
  h.SetUserKey(L"CbNotShowAgain", L"1");
  auto& window = h.Create();
  h.operations.calls.clear();
  window.OnCommand(Command::TextSizeLarger);
  EXPECT_EQ(h.view.shown.treeFontSize, 12);
  EXPECT_EQ(h.view.shown.checkedTextSize, 12);
  EXPECT_EQ(h.UserKey(L"curTextSize"), L"12");
  EXPECT_EQ(h.operations.calls, (std::vector<std::string>{"OpenSelectedRecord"})) << "the record is reloaded";

  window.ApplyTextSize(11);
  EXPECT_EQ(window.Layout().treeFontSize, 11);
  EXPECT_EQ(window.Layout().checkedTextSize, 0) << "no item has that size";
}

TEST(MainWindow, HelpOpensTheHelpFileOrTheHelpPage) {
  WindowHarness withFile;
  withFile.SetUserKey(L"CbNotShowAgain", L"1");
  withFile.machine.files().AddFile(L"C:\\Program Files\\Kalvora\\Kalvora.chm", "help");
  withFile.Create().OnCommand(Command::HelpContents);
  ASSERT_EQ(withFile.machine.LaunchLog().size(), 1u);
  EXPECT_EQ(withFile.machine.LaunchLog()[0].file, L"C:\\Program Files\\Kalvora\\Kalvora.chm");
  EXPECT_EQ(withFile.machine.LaunchLog()[0].verb, L"open");
  EXPECT_EQ(withFile.machine.LaunchLog()[0].owner, withFile.view.Handle());

  WindowHarness without;
  without.SetUserKey(L"CbNotShowAgain", L"1");
  without.Create().OnCommand(Command::HelpContents);
  ASSERT_EQ(without.machine.LaunchLog().size(), 1u);
  EXPECT_EQ(without.machine.LaunchLog()[0].verb, L"Open");
  EXPECT_EQ(without.machine.LaunchLog()[0].owner, 0u);
  EXPECT_EQ(without.machine.LaunchLog()[0].file.rfind(L"https://", 0), 0u);
}

TEST(MainWindow, AboutExitAndClose) {
  WindowHarness h;
  h.SetUserKey(L"CbNotShowAgain", L"1");
  auto& window = h.Create();
  window.OnCommand(Command::About);
  EXPECT_EQ(h.process.dialogs().ShownDialogs(), (std::vector<std::wstring>{L"TAboutBox"}));
  window.OnCommand(Command::Exit);
  EXPECT_EQ(h.view.closeCount, 1);
  h.operations.calls.clear();
  window.FormDestroy();
  EXPECT_EQ(h.operations.calls, (std::vector<std::string>{"RevokeDropTarget"}));
}

TEST(MainWindow, MenusCarryTheirCaptionsAndShortcuts) {
  auto find = [](const std::vector<app::MenuItemDef>& menu, Command command) -> const app::MenuItemDef* {
    std::function<const app::MenuItemDef*(const std::vector<app::MenuItemDef>&)> walk =
        [&](const std::vector<app::MenuItemDef>& items) -> const app::MenuItemDef* {
      for (const auto& item : items) {
        if (item.command == command) return &item;
        if (auto* found = walk(item.children)) return found;
      }
      return nullptr;
    };
    return walk(menu);
  };
  struct Case {
    const std::vector<app::MenuItemDef>& menu;
    Command command;
    const wchar_t* caption;
    const wchar_t* shortcut;
    bool visible;
  };
  const Case cases[] = {
      {app::MainMenu1(), Command::Refresh2, L"Refresh", L"Ctrl+R", true},
      {app::MainMenu1(), Command::ReplayAll2, L"Replay &All", L"", true},
      {app::MainMenu1(), Command::About, L"About Kalvora ", L"", true},
      {app::MainMenu1(), Command::HelpContents, L"Kalvora Help", L"F1", true},
      {app::PmApp(), Command::AppSettings, L"&Settings", L"", true},
      {app::PmApp(), Command::OpenApplicationPath, L"Open Application Path", L"", true},
      {app::PmDocTree(), Command::MnOpen, L"&Open", L"Ctrl+O", true},
      {app::PmDocTree(), Command::MnOpenDIr, L"Open file location", L"Ctrl+L", false},
      {app::PmDocTree(), Command::CopyCtrlC1, L"Copy folder", L"Ctrl+C", false},
      {app::PmDocTree(), Command::CopyFile2, L"Paste shortcut", L"Ctrl+V", false},
      {app::PmDocTree(), Command::MnDeleteSelected, L"&Deleted Selected ( delete shortcut)", L"", true},
      {app::PmDocTree(), Command::MenuBar3, L"&Menu Bar", L"", true},
      {app::WindowShortcuts(), Command::SearchShortcut, L"Search...", L"Ctrl+F", false},
  };
  for (const auto& c : cases) {
    const auto* item = find(c.menu, c.command);
    ASSERT_NE(item, nullptr) << c.caption;
    EXPECT_STREQ(item->caption, c.caption);
    EXPECT_EQ(item->shortcut.Text(), c.shortcut) << c.caption;
    EXPECT_EQ(item->visible, c.visible) << c.caption;
  }
  std::vector<std::wstring> topLevel;
  for (const auto& item : app::MainMenu1()) topLevel.push_back(item.caption);
  EXPECT_EQ(topLevel, (std::vector<std::wstring>{L"&Control Panel", L"&View", L"&Help"}));
}

}  // namespace
}  // namespace kalvora::testing

namespace kalvora::testing {
namespace {

TEST(MainWindow, RecordListPagesAndStop) {
  WindowHarness h;
  h.SetUserKey(L"CbNotShowAgain", L"1");
  auto& window = h.Create();
  window.MutableLayout().recordList = {L"a", L"b"};
  h.operations.calls.clear();
  window.OnRecordSelected(1);
  window.OnRecordSelected(5);  // not in the list: ignored
  EXPECT_EQ(window.Layout().recordListIndex, 1);
  EXPECT_EQ(h.UserKey(L"LbRECs"), L"1");
  EXPECT_EQ(h.operations.calls, (std::vector<std::string>{"OpenSelectedRecord"}));

  window.OnPageSelected(window::PageApplication);  // hidden in this layout
  EXPECT_EQ(window.Layout().activePage, window::PageAll);

  window.OnCommand(app::Command::BtnStop);
  EXPECT_TRUE(window.State().StopFlag);
}

}  // namespace
}  // namespace kalvora::testing
