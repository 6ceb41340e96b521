#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "app/main/MenuDefinitions.h"
#include "common/WideText.h"
#include "support/WindowHarness.h"

namespace kalvora::testing {
namespace {

using app::Command;
using app::TimerId;

const std::wstring RecordFolder = L"C:\\Records\\";
const std::wstring SendToLink = L"C:\\users\\joe\\AppData\\Roaming\\Microsoft\\Windows\\SendTo\\Revisto.lnk";
// What one refresh of the recently open folders notes, both of its settings on.
const std::vector<std::wstring> RefreshLines = {L"real-time rec folder", L" rec exists folder"};

std::vector<std::wstring> Repeated(const std::vector<std::wstring>& lines, int times) {
  std::vector<std::wstring> out;
  for (int i = 0; i < times; ++i) out.insert(out.end(), lines.begin(), lines.end());
  return out;
}

// Record files in the record folder, each holding the one folder
// C:\Data\<name>, so that the tree tells which record was opened. The tree
// is left empty.
void MakeRecords(WindowHarness& h, const std::vector<std::wstring>& names) {
  auto& documents = h.window->Documents();
  h.machine.files().CreateDirectoryTree(RecordFolder);
  for (const auto& name : names) {
    const std::wstring folder = L"C:\\Data\\" + name;
    h.machine.files().CreateDirectoryTree(folder);
    documents.Clear();
    documents.AddItem(folder, L"");
    ASSERT_TRUE(h.window->RecordFiles().WriteRecordFile(RecordFolder + name + L".revisto"));
  }
  documents.Clear();
}

// The records the window opens, in order: noted whenever it lets messages
// run while a record loads (one opened twice in a row shows once).
struct OpenedRecords {
  explicit OpenedRecords(WindowHarness& h) {
    h.process.pump().SetHook([this, &h] {
      const auto& state = h.window->State();
      if (state.LoadingFlag && (paths.empty() || paths.back() != state.CurrentRecordPath))
        paths.push_back(state.CurrentRecordPath);
    });
  }
  std::vector<std::wstring> paths;
};

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
  bool writerStarted = false;
  h.view.onCall = [&](const std::string& call) {
    if (call == "SetTopmost") {
      order.push_back("ApplySettings");
      EXPECT_EQ(h.UserKey(L"PinToTaskBar", L"install"), L"1") << "the one-time pin counted this start before";
      EXPECT_TRUE(h.window->State().Memo1.empty()) << "no folder refresh yet";
    }
    // The refresh starts the open-folder shortcut writer.
    if (call == "SetTimer" && !writerStarted && h.view.TimerEnabled(TimerId::FolderShortcuts)) {
      writerStarted = true;
      order.push_back("RefreshRecentFolders");
      // It runs with the settings already loaded: its record is in the record folder.
      EXPECT_FALSE(h.window->SettingsDialog().EdtRecordPath.empty());
      EXPECT_EQ(h.window->State().CurrentRecordPath,
                h.window->Settings().RecordFolder() + L"Recent Folders.revisto");
    }
  };
  h.Create();
  EXPECT_EQ(order, (std::vector<std::string>{"ApplySettings", "RefreshRecentFolders", "SmartFolderSettingsDialog"}));
  EXPECT_EQ(h.window->State().Memo1, RefreshLines);
}

TEST(MainWindow, WindowsSevenStepsRunOnlyThere) {
  WindowHarness h;
  h.machine.SetOsVersion({2, 10, 0});
  h.SetUserKey(L"CbNotShowAgain", L"1");
  auto& window = h.Create();
  window.OnTimer(TimerId::FirstRun);
  EXPECT_EQ(h.UserKey(L"PinToTaskBar", L"install"), L"<missing>") << "no pin counted";
  EXPECT_FALSE(h.machine.links().Shortcut(SendToLink)) << "no Send To shortcut";
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
    bool refreshed;                    // the recently open folders
    std::vector<std::wstring> opened;  // the records opened, in order
    bool newRecord;
    int selected;  // the list's index afterwards
  };
  const Case cases[] = {
      {"no records, a file handed over: a new record", {L"C:\\x.txt"}, {}, -1, 0, false, {}, true, -1},
      {"no records, no arguments", {}, {}, -1, 0, false, {}, false, -1},
      {"no records, /run first", {L"/run", L"C:\\x.txt"}, {}, -1, 0, false, {}, false, -1},
      {"no records, /install", {L"/install"}, {}, -1, 0, false, {}, false, -1},
      {"records, no start-up record", {L"C:\\x.txt"}, {L"Recent Folders"}, -1, 0, true, {}, false, -1},
      {"start-up record without /run", {}, {L"a", L"b", L"c"}, 2, 1, false, {L"b"}, false, 1},
      {"start-up record with /run: the start-up record, then the stored one", {L" /run "}, {L"a", L"b", L"c"}, 2,
       1, false, {L"c", L"b"}, false, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WindowHarness h(c.args);
    h.SetUserKey(L"CbNotShowAgain", L"1");
    h.SetUserKey(L"EdtRECPath", RecordFolder);
    h.SetUserKey(L"RECIndWhenStartup", std::to_wstring(c.startupRecord));
    h.SetUserKey(L"LbRECs", std::to_wstring(c.storedListIndex));
    auto& window = h.Create();
    MakeRecords(h, c.records);
    window.MutableLayout().recordList = c.records;
    window.State().Memo1.clear();
    OpenedRecords opened(h);
    window.OnTimer(TimerId::FirstRun);
    EXPECT_TRUE(h.machine.links().Shortcut(SendToLink)) << "the Send To shortcut is made on Windows 7";
    EXPECT_EQ(window.State().Memo1, c.refreshed ? RefreshLines : std::vector<std::wstring>{});
    std::vector<std::wstring> expectedOpened;
    for (const auto& name : c.opened) expectedOpened.push_back(RecordFolder + name + L".revisto");
    EXPECT_EQ(opened.paths, expectedOpened);
    if (!c.opened.empty()) {
      EXPECT_TRUE(window.Documents().CheckIfRecentDocInTreeNode(L"C:\\Data\\" + c.opened.back()))
          << "the tree shows the record opened last";
      EXPECT_EQ(window.State().CurrentRecordPath, expectedOpened.back());
    }
    EXPECT_EQ(window.State().NewRecordFlag, c.newRecord);
    EXPECT_EQ(window.Layout().recordListIndex, c.selected);
    EXPECT_FALSE(h.view.TimerEnabled(TimerId::FirstRun)) << "the start-up timer runs once";
    EXPECT_TRUE(window.State().StartupDone);
    EXPECT_FALSE(window.State().StartingFlag);
  }
}

TEST(MainWindow, StartRequestsFromTheSharedSettings) {
  struct Case {
    const wchar_t* value;
    bool smartRecord;
  };
  const Case cases[] = {{L"3", true}, {L"4", false}, {L"0", false}, {L"9", false}};
  for (const auto& c : cases) {
    WindowHarness h;
    h.SetUserKey(L"CbNotShowAgain", L"1");
    h.SetSharedKey(L"status", L"openwindow", c.value);
    auto& window = h.Create();
    window.OnTimer(TimerId::FirstRun);
    EXPECT_EQ(window.WindowSettings().cbSmartRecord, c.smartRecord) << c.value;
    EXPECT_TRUE(window.State().StartupDone) << c.value;
  }
}

TEST(MainWindow, ActivationRefreshesOnlyAfterStartup) {
  WindowHarness h;
  h.SetUserKey(L"CbNotShowAgain", L"1");
  auto& window = h.Create();
  window.State().Memo1.clear();
  window.OnActivateApp(true);
  EXPECT_TRUE(window.State().Memo1.empty()) << "activation before start-up is done does nothing";

  window.OnTimer(TimerId::FirstRun);
  window.State().Memo1.clear();
  window.OnActivateApp(true);
  window.OnActivateApp(false);
  window.OnActivateApp(true);
  std::vector<std::wstring> once = RefreshLines;
  once.push_back(L"active rec");
  EXPECT_EQ(window.State().Memo1, Repeated(once, 2)) << "each activation refreshes the folders first";
}

TEST(MainWindow, RefreshTimerAndCommandsRefreshTheFolders) {
  WindowHarness h;
  h.SetUserKey(L"CbNotShowAgain", L"1");
  auto& window = h.Create();
  window.State().Memo1.clear();
  const std::wstring recent = h.platform.folders.SpecialFolderPath(platform::SpecialFolder::Recent);
  const std::vector<std::pair<std::wstring, std::function<void()>>> triggers = {
      {L"C:\\Work\\Timer", [&] { window.OnTimer(TimerId::RecFolders); }},
      {L"C:\\Work\\Refresh2", [&] { window.OnCommand(Command::Refresh2); }},
      {L"C:\\Work\\Refresh3", [&] { window.OnCommand(Command::Refresh3); }},
  };
  for (const auto& [folder, trigger] : triggers) {
    SCOPED_TRACE(text::WideToUtf8(folder));
    // A folder the user has just opened.
    h.machine.files().CreateDirectoryTree(folder);
    h.machine.links().AddShortcut(recent + folder.substr(folder.rfind(L'\\')) + L".lnk",
                                  platform::sim::SimShortcut{folder});
    EXPECT_FALSE(window.Documents().CheckIfRecentDocInTreeNode(folder));
    trigger();
    EXPECT_TRUE(window.Documents().CheckIfRecentDocInTreeNode(folder));
  }
  EXPECT_EQ(window.State().Memo1, Repeated(RefreshLines, 3));
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
  h.SetUserKey(L"EdtRECPath", RecordFolder);
  auto& window = h.Create();
  MakeRecords(h, {L"a"});
  window.Records().RefreshRecordList();
  window.MutableLayout().recordListIndex = 0;
  OpenedRecords opened(h);
  window.OnCommand(Command::TextSizeLarger);
  EXPECT_EQ(h.view.shown.treeFontSize, 12);
  EXPECT_EQ(h.view.shown.checkedTextSize, 12);
  EXPECT_EQ(h.UserKey(L"curTextSize"), L"12");
  EXPECT_EQ(opened.paths, std::vector<std::wstring>{RecordFolder + L"a.revisto"}) << "the record is reloaded";
  EXPECT_TRUE(window.Documents().CheckIfRecentDocInTreeNode(L"C:\\Data\\a"));

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
  h.SetUserKey(L"EdtRECPath", RecordFolder);
  auto& window = h.Create();
  MakeRecords(h, {L"a", L"b"});
  window.Records().RefreshRecordList();
  ASSERT_EQ(window.Layout().recordList, (std::vector<std::wstring>{L"a", L"b"}));
  OpenedRecords opened(h);
  window.OnRecordSelected(1);
  window.OnRecordSelected(5);  // not in the list: ignored
  EXPECT_EQ(window.Layout().recordListIndex, 1);
  EXPECT_EQ(h.UserKey(L"LbRECs"), L"1");
  EXPECT_EQ(opened.paths, std::vector<std::wstring>{RecordFolder + L"b.revisto"});
  EXPECT_TRUE(window.Documents().CheckIfRecentDocInTreeNode(L"C:\\Data\\b"));

  window.OnPageSelected(window::PageApplication);  // hidden in this layout
  EXPECT_EQ(window.Layout().activePage, window::PageAll);

  window.OnCommand(app::Command::BtnStop);
  EXPECT_TRUE(window.State().StopFlag);
}

// A refresh and a record load let messages run; a tick, a command or a
// record click arriving then is skipped instead of running inside them.
TEST(MainWindow, LongOperationsNeverRunInsideOneAnother) {
  struct Case {
    const char* name;
    std::function<void(app::TRevistoWindow&)> outer;
    // What the tree holds afterwards: the outer operation's result alone.
    std::wstring inTree, notInTree;
  };
  const Case cases[] = {
      {"refresh tick", [](app::TRevistoWindow& w) { w.OnTimer(TimerId::RecFolders); }, L"C:\\Work\\Opened",
       L"C:\\Data\\a"},
      {"record load", [](app::TRevistoWindow& w) { w.OnRecordSelected(1); }, L"C:\\Data\\b", L"C:\\Work\\Opened"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WindowHarness h;
    h.SetUserKey(L"CbNotShowAgain", L"1");
    h.SetUserKey(L"EdtRECPath", RecordFolder);
    auto& window = h.Create();
    MakeRecords(h, {L"a", L"b"});
    window.Records().RefreshRecordList();
    const std::wstring recent = h.platform.folders.SpecialFolderPath(platform::SpecialFolder::Recent);
    h.machine.files().CreateDirectoryTree(L"C:\\Work\\Opened");
    h.machine.links().AddShortcut(recent + L"\\Opened.lnk", platform::sim::SimShortcut{L"C:\\Work\\Opened"});
    window.State().Memo1.clear();

    int innerRuns = 0;
    bool busySeen = false;
    h.process.pump().SetHook([&] {
      if (!window.Busy() || busySeen) return;
      busySeen = true;
      const std::size_t linesBefore = window.State().Memo1.size();
      window.OnTimer(TimerId::RecFolders);
      window.OnCommand(Command::Refresh2);
      window.OnActivateApp(true);
      window.OnCommand(Command::TextSizeLarger);
      window.OnRecordSelected(0);
      // An activation notes its line even when its refresh is skipped.
      for (std::size_t i = linesBefore; i < window.State().Memo1.size(); ++i)
        if (window.State().Memo1[i] != L"active rec") ++innerRuns;
    });
    c.outer(window);

    EXPECT_TRUE(busySeen);
    EXPECT_EQ(innerRuns, 0);
    EXPECT_FALSE(window.Busy());
    EXPECT_TRUE(window.Documents().CheckIfRecentDocInTreeNode(c.inTree));
    EXPECT_FALSE(window.Documents().CheckIfRecentDocInTreeNode(c.notInTree));
    // Once it has ended, the next one runs.
    window.OnCommand(Command::Refresh2);
    EXPECT_GE(window.State().Memo1.size(), RefreshLines.size());
  }
}

// The hidden diagnostic memo keeps the newest lines only.
TEST(MainWindow, DiagnosticMemoKeepsItsLastLines) {
  WindowHarness h;
  h.SetUserKey(L"CbNotShowAgain", L"1");
  auto& window = h.Create();
  window.OnTimer(TimerId::FirstRun);
  const std::size_t bound = window::MainWindowState::Memo1MaxLines;
  // Each activation notes three lines, the last "active rec".
  for (std::size_t i = 0; i < bound; ++i) window.OnActivateApp(true);
  window.State().AddMemoLine(L"newest");
  EXPECT_EQ(window.State().Memo1.size(), bound);
  EXPECT_EQ(window.State().Memo1.back(), L"newest");
  EXPECT_EQ(window.State().Memo1[bound - 2], L"active rec");
}

}  // namespace
}  // namespace kalvora::testing
