#pragma once
#include <memory>
#include <optional>

#include "app/entry/CommandLine.h"
#include "app/entry/DataFolders.h"
#include "app/entry/Elevation.h"
#include "resolve/SystemQueries.h"
#include "app/main/AboutDialog.h"
#include "app/main/Commands.h"
#include "window/MainWindowLayout.h"
#include "window/MainWindowState.h"
#include "app/main/MainWindowView.h"
#include "platform/Platform.h"
#include "settings/SettingsStore.h"
#include "capture/OpenFolders.h"
#include "capture/ProgramNames.h"
#include "capture/RecentDocuments.h"
#include "capture/RunningObjectMan.h"
#include "capture/StartupPrograms.h"
#include "records/RecordFile.h"
#include "recent/RecentFolders.h"
#include "records/RecordLibrary.h"
#include "tree/DocumentTree.h"
#include "tree/FileSearch.h"

namespace kalvora::app {

// What the program entry hands the main window.
struct MainWindowContext {
  platform::Platform& platform;
  const CommandLine& commandLine;
  StartupFlags& flags;
  resolve::Wow64State& wow64;
  settings::SettingsFile& userSettings;
  settings::SettingsFile& sharedSettings;
  DataFolders folders;
};

inline constexpr unsigned FirstRunIntervalMs = 10;
inline constexpr unsigned FinishIntervalMs = 3000;

// The main window's logic: creation, the start-up timer, the other timers,
// activation, closing, and the window's own commands. The Win32 window (or a
// test's fake) forwards its events here and draws Layout(). It owns the
// subsystems and calls them directly; each subsystem calls back through the
// small host interface it declares, which the window implements.
class TRevistoWindow : public settings::SettingsIntegration,
                       public tree::DocumentTreeHost,
                       public records::RecordLibraryHost,
                       public recent::RecentFoldersHost,
                       public capture::RunningObjectManHost {
 public:
  TRevistoWindow(MainWindowContext context, MainWindowView& view);

  void FormCreate();
  void OnTimer(TimerId timer);
  // The application became active (or inactive).
  void OnActivateApp(bool active);
  // End of a move or resize (WM_EXITSIZEMOVE).
  void OnExitSizeMove();
  // Returns whether the window may close.
  bool FormCloseQuery();
  // Log-off or shutdown goes ahead: the close-time save runs, as at a close.
  void OnEndSession();
  void OnCommand(Command command);
  // The user picked a record in LbRECs.
  void OnRecordSelected(int index);
  // The user picked a tab of PageControlTree (a page index, not a tab index).
  void OnPageSelected(int page);
  // The user expanded or collapsed a node of a tree (a page index); the
  // model already holds the new state.
  void OnTreeNodeExpanded(int page, tree::NodeId node, bool expanded);

  void ApplyTextSize(int size);
  // "&Settings" items: the Smart Folder Settings dialog.
  void OpenSmartFolderSettings();

  window::MainWindowState& State() { return state_; }
  // The open record's items and trees; exists from FormCreate on.
  tree::DocumentTree& Documents() { return *documents_; }
  bool HasDocuments() const { return documents_ != nullptr; }
  records::RecordLibrary& Records() { return *records_; }
  recent::RecentFolderRecorder& RecentFolders() { return *recentFolders_; }
  capture::RecentDocuments& RecentDocuments() { return *recentDocuments_; }
  // The open-folder shortcut writer, once a refresh has made it.
  capture::TRunningObjectMan* RunningObjectMan() { return runningObjectMan_.get(); }
  records::RecordFile& RecordFiles() { return *recordFile_; }
  // The Start Menu names of programs, built once per run before the first
  // capture or the first items from outside.
  void EnsureProgramNames();
  const capture::ProgramNameTable& ProgramNames() const { return programNames_; }
  capture::TWindowsStartMan& StartMan() { return *startMan_; }
  const window::MainWindowLayout& Layout() const { return layout_; }
  window::MainWindowLayout& MutableLayout() { return layout_; }
  settings::SettingsStore& Settings() { return store_; }
  settings::TFrmMySettings& SettingsDialog() { return settingsDialog_; }
  settings::TFrmSmartFolderSetting& SmartFolderDialog() { return smartFolderDialog_; }
  settings::MainWindowSettings& WindowSettings() { return windowSettings_; }
  const StartupFlags& Flags() const { return context_.flags; }
  // The refresh timer as last applied.
  unsigned RecFoldersInterval() const { return recFoldersInterval_; }
  bool RecFoldersEnabled() const { return recFoldersEnabled_; }
  // A refresh, a capture or a record load is running.
  bool Busy() const { return busy_; }

  // SettingsIntegration
  bool IsStartWithWindows() override;
  void ApplySettings() override;
  void ApplyRefreshTimer(unsigned intervalMs, bool enabled) override;

  // DocumentTreeHost
  void ShowWebPageTab() override;
  void ShowHint(const std::wstring& path) override;
  void AdvanceGauge() override;
  void PumpMessages() override;
  void TraceChanged() override;

  // RecordLibraryHost
  bool WriteRecord(const std::wstring& path) override;
  bool LoadRecord(const std::wstring& path) override;
  void Render() override;

  // RecentFoldersHost
  void StartFolderShortcuts() override;
  void ScanOpenFolderWindows() override;
  bool RecordRunningFolders() override;
  bool RecentItemsTracked() override;

  // RunningObjectManHost
  void StartFolderShortcutTimer(unsigned intervalMs) override;
  void StopFolderShortcutTimer() override;

 private:
  void TimerFirstRunTimer();
  void TimerFinishTimer();
  void ApplyWindowGeometry();
  // Opens the record "Recent Folders" when it exists.
  void OpenRecentFoldersRecord();
  void SetMenuBar(bool shown);
  void SetStatusBar(bool shown);
  void ArrangeTextSize(int size);
  void SelectRecord(int index);
  void SaveWindowState();
  // The save at close or at the end of the session; runs once.
  void SaveAtClose();
  void OpenHelp();
  // The subsystems' steps the window's events run; each failure is swallowed.
  void RefreshRecentFolders();
  void OpenSelectedRecord();
  bool IsWindows7() const { return state_.OsName == L"windows 7"; }
  // Runs a long operation (a refresh, a capture, a record load) unless one
  // already runs: they let messages run, and a tick or a click in there must
  // not start another inside it. False when skipped.
  template <class Step>
  bool RunExclusive(Step&& step) {
    if (busy_) return false;
    busy_ = true;
    struct Release {
      bool& busy;
      ~Release() { busy = false; }
    } release{busy_};
    step();
    return true;
  }

  MainWindowContext context_;
  MainWindowView& view_;
  window::MainWindowState state_;
  window::MainWindowLayout layout_;
  settings::MainWindowSettings windowSettings_;
  // Both dialog objects exist before the first load and live as long as the window.
  settings::TFrmSmartFolderSetting smartFolderDialog_;
  settings::TFrmMySettings settingsDialog_;
  settings::SettingsStore store_;
  TAboutBox aboutBox_;
  std::unique_ptr<tree::DocumentTree> documents_;
  std::unique_ptr<records::RecordFile> recordFile_;
  std::unique_ptr<records::RecordLibrary> records_;
  std::optional<resolve::ResolutionServices> resolution_;
  capture::OpenFolderLists openFolderLists_;  // LbDocTitle, LbFiles
  std::unique_ptr<capture::TRunningObjectMan> runningObjectMan_;
  std::unique_ptr<capture::RecentDocuments> recentDocuments_;
  std::unique_ptr<recent::RecentFolderRecorder> recentFolders_;
  std::unique_ptr<tree::ProgramFileSearch> fileSearch_;
  capture::ProgramNameTable programNames_;
  std::unique_ptr<capture::TWindowsStartMan> startMan_;
  unsigned recFoldersInterval_ = 10000;
  bool recFoldersEnabled_ = false;
  bool busy_ = false;
  bool closeSaved_ = false;
};

}  // namespace kalvora::app
