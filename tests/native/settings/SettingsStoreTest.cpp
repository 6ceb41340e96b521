#include <gtest/gtest.h>

#include <optional>

#include "common/WideText.h"
#include "support/WindowHarness.h"

namespace kalvora::testing {
namespace {

TEST(SettingsStore, FreshInstallationReadsTheDefaults) {
  WindowHarness h;
  h.Create();
  auto& window = *h.window;
  const auto& dialog = window.SettingsDialog();
  EXPECT_EQ(dialog.EdtRecordPath, L"C:\\users\\joe\\Documents\\Kalvora\\");
  EXPECT_EQ(window.Settings().RecordFolder(), L"C:\\users\\joe\\Documents\\Kalvora\\");
  EXPECT_EQ(window.WindowSettings().StartupRecordIndex, -1);
  EXPECT_EQ(window.WindowSettings().TextSize, 9);
  EXPECT_EQ(window.WindowSettings().tbRecordInterval.Position(), 7);
  EXPECT_EQ(dialog.tbRecordInterval.Position(), 7);
  EXPECT_EQ(dialog.tbRecRecentDoc.Position(), 60) << "a missing key records all recent documents";
  EXPECT_FALSE(dialog.Alwaysontop1);
  EXPECT_FALSE(dialog.CbWebpage);
  EXPECT_TRUE(dialog.CbRecrodRecentDocument);
  EXPECT_TRUE(dialog.CbFilterPCStart);
  EXPECT_FALSE(dialog.cbDisplayPCStartFilterList);
  EXPECT_EQ(dialog.RgRecordType, 0);
  EXPECT_TRUE(dialog.CbShowSettingsWhenRecord);
  EXPECT_TRUE(dialog.CbShowSettingsWhenReplay);
  EXPECT_TRUE(dialog.CbShowSettingsWhenRecordSmart);
  EXPECT_FALSE(dialog.RbReplayAllChildDoc);
  EXPECT_TRUE(dialog.cbRunAsAdmin);
  EXPECT_TRUE(h.machine.files().DirectoryExists(L"C:\\users\\joe\\Documents\\Kalvora"));
}

// A record folder that names no place of its own would follow the current
// directory (System32 for a program started with Windows): the default one
// is used instead; a drive or network folder is taken as typed.
TEST(SettingsStore, BlankOrRelativeRecordFolderFallsBackToTheDefault) {
  WindowHarness h;
  auto& window = h.Create();
  const std::wstring fallback = L"C:\\users\\joe\\Documents\\Kalvora\\";
  const std::pair<const wchar_t*, std::wstring> cases[] = {
      {L"", fallback},           {L"   ", fallback},
      {L"Records", fallback},    {L".\\Records", fallback},
      {L"..\\Records", fallback}, {L"D:Records", fallback},
      {L"\\Records", fallback}, {L"\\\\", fallback},
      {L"D:\\Records", L"D:\\Records\\"}, {L"\\\\server\\share", L"\\\\server\\share\\"},
  };
  for (const auto& [typed, folder] : cases) {
    window.SettingsDialog().EdtRecordPath = typed;
    EXPECT_EQ(window.Settings().RecordFolder(), folder) << "typed: [" << text::WideToUtf8(typed) << "]";
  }
}

TEST(SettingsStore, StoredValuesAreReadIntoTheirHolders) {
  struct Case {
    const wchar_t* key;
    const wchar_t* value;
    std::function<int(app::TRevistoWindow&)> holder;
    int expected;
  };
  auto dlg = [](auto member) { return [member](app::TRevistoWindow& w) { return static_cast<int>(member(w)); }; };
  const Case cases[] = {
      {L"tbRecordInterval", L"1", dlg([](auto& w) { return w.WindowSettings().tbRecordInterval.Position(); }), 3},
      {L"tbRecordInterval", L"1", dlg([](auto& w) { return w.SettingsDialog().tbRecordInterval.Position(); }), 3},
      {L"tbRecordInterval", L"45", dlg([](auto& w) { return w.SettingsDialog().tbRecordInterval.Position(); }), 45},
      {L"tbRecordInterval", L"xyz", dlg([](auto& w) { return w.WindowSettings().tbRecordInterval.Position(); }), 7},
      {L"tbRecRecentDoc", L"0", dlg([](auto& w) { return w.SettingsDialog().tbRecRecentDoc.Position(); }), 1},
      {L"tbRecRecentDoc", L"3", dlg([](auto& w) { return w.SettingsDialog().tbRecRecentDoc.Position(); }), 3},
      {L"tbRecRecentDoc", L"junk", dlg([](auto& w) { return w.SettingsDialog().tbRecRecentDoc.Position(); }), 60},
      {L"RECIndWhenStartup", L"2", dlg([](auto& w) { return w.WindowSettings().StartupRecordIndex; }), 2},
      {L"RECIndWhenStartup", L"x", dlg([](auto& w) { return w.WindowSettings().StartupRecordIndex; }), -1},
      {L"curTextSize", L"12", dlg([](auto& w) { return w.WindowSettings().TextSize; }), 12},
      {L"curTextSize", L"zz", dlg([](auto& w) { return w.WindowSettings().TextSize; }), 9},
      {L"Alwaysontop1", L"1", dlg([](auto& w) { return w.SettingsDialog().Alwaysontop1; }), 1},
      {L"CbRecrodRecentDocument", L"0", dlg([](auto& w) { return w.SettingsDialog().CbRecrodRecentDocument; }), 0},
      {L"CbRecrodRecentDocument", L"5", dlg([](auto& w) { return w.SettingsDialog().CbRecrodRecentDocument; }), 1},
      {L"CbRecrodRecentDocument", L"no", dlg([](auto& w) { return w.SettingsDialog().CbRecrodRecentDocument; }), 1},
      {L"RgRecordType", L"1", dlg([](auto& w) { return w.SettingsDialog().RgRecordType; }), 1},
      {L"RgRecordType", L"7", dlg([](auto& w) { return w.SettingsDialog().RgRecordType; }), 0},
      {L"RbReplayAllChildDoc", L"1", dlg([](auto& w) { return w.SettingsDialog().RbReplayAllChildDoc; }), 1},
      {L"runasadmin", L"0", dlg([](auto& w) { return w.SettingsDialog().cbRunAsAdmin; }), 0},
  };
  for (const auto& c : cases) {
    WindowHarness h;
    h.SetUserKey(c.key, c.value);
    h.Create();
    EXPECT_EQ(c.holder(*h.window), c.expected) << c.key << "=" << c.value;
  }
}

TEST(SettingsStore, SaveSettingsWritesTheEditTextAsShownAndAppliesTheSettings) {
  WindowHarness h;
  auto& window = h.Create();
  auto& dialog = window.SettingsDialog();
  dialog.EdtRecordPath = L"  D:\\Records  ";
  dialog.tbRecordInterval.SetPosition(30);
  dialog.CbRunWhenWS = true;
  window.WindowSettings().StartupRecordIndex = 4;
  const platform::RegistryKey run{platform::RegistryRoot::LocalMachine,
                                  L"Software\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Run"};
  ASSERT_EQ(h.machine.registry().ReadString(run, L"Kalvora"), std::nullopt);
  window.Settings().SaveSettings();

  EXPECT_EQ(h.UserKey(L"EdtRECPath"), L"D:\\Records") << "the profile file trims what it reads back";
  EXPECT_EQ(window.Settings().RecordFolder(), L"D:\\Records\\");
  EXPECT_EQ(h.UserKey(L"tbRecordInterval"), L"30");
  EXPECT_EQ(window.WindowSettings().tbRecordInterval.Position(), 30);
  EXPECT_EQ(h.UserKey(L"RECIndWhenStartup"), L"4");
  EXPECT_EQ(h.UserKey(L"CbRunWhenWS"), L"1");
  EXPECT_EQ(h.UserKey(L"runasadmin"), L"1");
  EXPECT_EQ(h.machine.registry().ReadString(run, L"Kalvora"),
            std::optional<std::wstring>(L"\"C:\\Program Files\\Kalvora\\kalvora.exe\" /run"))
      << "the ticked start with Windows is applied";
}

TEST(SettingsStore, SmartFolderDialogAtStart) {
  // Confirmed with "Don't show again": stored, timer applied, not shown next time.
  WindowHarness first;
  first.process.dialogs().AnswerDialogs([](auto& s) { return ConfirmSmartFolderDialog(s, true); });
  first.Create();
  EXPECT_EQ(first.process.dialogs().ShownDialogs(), (std::vector<std::wstring>{L"TFrmSmartFolderSetting"}));
  EXPECT_EQ(first.UserKey(L"CbNotShowAgain"), L"1");
  EXPECT_EQ(first.UserKey(L"CbRealTimeRecFolder"), L"1");
  EXPECT_EQ(first.UserKey(L"CbRefreshRecentFolder"), L"1");
  EXPECT_EQ(first.UserKey(L"TrackBarRefreshRecentFolder"), L"10");
  EXPECT_TRUE(first.view.TimerEnabled(app::TimerId::RecFolders));
  EXPECT_EQ(first.view.timers[app::TimerId::RecFolders].intervalMs, 10000u);

  WindowHarness next;
  next.SetUserKey(L"CbNotShowAgain", L"1");
  next.SetUserKey(L"TrackBarRefreshRecentFolder", L"25");
  next.Create();
  EXPECT_TRUE(next.process.dialogs().ShownDialogs().empty());
  EXPECT_EQ(next.view.timers[app::TimerId::RecFolders].intervalMs, 25000u);

  // Real-time recording off: the timer is set but stays off.
  WindowHarness off;
  off.SetUserKey(L"CbNotShowAgain", L"1");
  off.SetUserKey(L"CbRealTimeRecFolder", L"0");
  off.Create();
  EXPECT_FALSE(off.view.TimerEnabled(app::TimerId::RecFolders));
}

TEST(SettingsStore, CancelledSmartFolderDialogStoresNothingAndLeavesTheTimerOff) {
  WindowHarness h;  // the scripted dialog cancels by default
  h.Create();
  EXPECT_EQ(h.process.dialogs().ShownDialogs().size(), 1u);
  EXPECT_EQ(h.UserKey(L"CbNotShowAgain"), L"<missing>");
  EXPECT_FALSE(h.view.TimerEnabled(app::TimerId::RecFolders));
  EXPECT_EQ(h.view.timers.count(app::TimerId::RecFolders), 0u);

  // Confirmed without the tick: shown again at the next start.
  WindowHarness again;
  again.process.dialogs().AnswerDialogs([](auto& s) { return ConfirmSmartFolderDialog(s, false); });
  again.Create();
  EXPECT_EQ(again.UserKey(L"CbNotShowAgain"), L"0");
  WindowHarness third;
  third.SetUserKey(L"CbNotShowAgain", L"0");
  third.Create();
  EXPECT_EQ(third.process.dialogs().ShownDialogs().size(), 1u);
}

TEST(SettingsStore, SmartSettingsMenuAlwaysShowsTheDialog) {
  WindowHarness h;
  h.SetUserKey(L"CbNotShowAgain", L"1");
  auto& window = h.Create();
  h.process.dialogs().AnswerDialogs([](auto& state) {
    auto& dialog = dynamic_cast<settings::TFrmSmartFolderSetting&>(state);
    dialog.TrackBarRefreshRecentFolder.SetPosition(30);
    dialog.CbRealTimeRecFolder = false;
    return true;
  });
  window.OnCommand(app::Command::AppSettings);
  EXPECT_EQ(h.process.dialogs().ShownDialogs().size(), 1u);
  EXPECT_EQ(h.UserKey(L"TrackBarRefreshRecentFolder"), L"30");
  EXPECT_EQ(h.UserKey(L"CbRealTimeRecFolder"), L"0");
  EXPECT_FALSE(h.view.TimerEnabled(app::TimerId::RecFolders));
  EXPECT_EQ(h.view.timers[app::TimerId::RecFolders].intervalMs, 30000u);
}

TEST(SettingsStore, WindowStateKeepsTheLastNormalGeometry) {
  WindowHarness h;
  h.SetUserKey(L"CbNotShowAgain", L"1");
  auto& window = h.Create();
  h.view.placement = {true, {10, 20, 500, 600}};
  window.OnExitSizeMove();
  EXPECT_EQ(h.UserKey(L"Left"), L"10");
  EXPECT_EQ(h.UserKey(L"Top"), L"20");
  EXPECT_EQ(h.UserKey(L"Width"), L"500");
  EXPECT_EQ(h.UserKey(L"Height"), L"600");
  EXPECT_EQ(h.UserKey(L"WindStateInd"), L"1");

  h.view.placement = {false, {0, 0, 1280, 1024}};  // maximised
  EXPECT_TRUE(window.FormCloseQuery());
  EXPECT_TRUE(window.State().StopFlag);
  EXPECT_EQ(h.UserKey(L"WindStateInd"), L"0");
  EXPECT_EQ(h.UserKey(L"Width"), L"500");
  EXPECT_EQ(h.UserKey(L"Left"), L"10");
  EXPECT_EQ(h.UserKey(L"cbSmartRecord"), L"0");
  EXPECT_EQ(h.UserKey(L"GbRecList"), L"120");
  EXPECT_EQ(h.UserKey(L"LbRECs"), L"-1") << "no record selected";
}

}  // namespace
}  // namespace kalvora::testing

namespace kalvora::testing {
namespace {

TEST(SettingsStore, AValueCannotSmuggleAKeyIntoTheFile) {
  WindowHarness h;
  auto& window = h.Create();
  window.SettingsDialog().EdtRecordPath = L"D:\\Records\r\nAlwaysRunAsAdmin=1";
  window.Settings().SaveSettings();
  EXPECT_EQ(h.UserKey(L"AlwaysRunAsAdmin"), L"<missing>");
  EXPECT_EQ(h.UserKey(L"EdtRECPath"), L"D:\\Records  AlwaysRunAsAdmin=1");
}

}  // namespace
}  // namespace kalvora::testing

namespace kalvora::testing {
namespace {

// A window closed (or the session ended) while minimised comes back as it
// was before it was minimised.
TEST(SettingsStore, MinimisedWindowIsStoredAsItWillBeRestored) {
  struct Case {
    const char* name;
    bool restoresMaximized;
    const wchar_t* state;
    const wchar_t* width;  // the normal geometry is written only for a normal window
  };
  const Case cases[] = {{"minimised from normal", false, L"1", L"500"},
                        {"minimised from maximised", true, L"0", L"<missing>"}};
  for (const auto& c : cases) {
    for (bool endSession : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (endSession ? ", session ends" : ", closed"));
      WindowHarness h;
      h.SetUserKey(L"CbNotShowAgain", L"1");
      auto& window = h.Create();
      h.view.placement = {false, {10, 20, 500, 600}, true, c.restoresMaximized};
      if (endSession)
        window.OnEndSession();
      else
        EXPECT_TRUE(window.FormCloseQuery());
      EXPECT_EQ(h.UserKey(L"WindStateInd"), c.state);
      EXPECT_EQ(h.UserKey(L"Width"), c.width);
    }
  }
}

// Log-off and shutdown end the program without a close: the close-time
// save runs then, and only once however the end is announced.
TEST(SettingsStore, EndOfSessionSavesTheWindowOnce) {
  WindowHarness h;
  h.SetUserKey(L"CbNotShowAgain", L"1");
  auto& window = h.Create();
  h.view.placement = {true, {10, 20, 500, 600}};
  window.OnEndSession();
  EXPECT_TRUE(window.State().StopFlag);
  EXPECT_EQ(h.UserKey(L"Left"), L"10");
  EXPECT_EQ(h.UserKey(L"WindStateInd"), L"1");

  h.view.placement = {true, {30, 40, 500, 600}};
  window.OnEndSession();
  EXPECT_TRUE(window.FormCloseQuery());
  EXPECT_EQ(h.UserKey(L"Left"), L"10") << "the save ran again";
}

}  // namespace
}  // namespace kalvora::testing
