#pragma once
#include <string>
#include <vector>

#include "window/MainWindowState.h"
#include "capture/RecentDocuments.h"
#include "records/RecordLibrary.h"
#include "settings/SettingsStore.h"
#include "settings/SmartFolderSettingsDialog.h"

namespace kalvora::recent {

// The trace line of a refresh that finds recent-items tracking turned off.
inline constexpr const wchar_t* RecentItemsOffLine =
    L"recent items tracking is off for this user: no folder shortcuts are written to the Recent folder";

// What the refresh needs of the main window, which keeps the open Explorer
// folder windows: the shortcut writer that makes open folders count as
// recently used, and the scan that adds open folders not yet in the tree.
class RecentFoldersHost {
 public:
  virtual ~RecentFoldersHost() = default;
  // Creates the shortcut writer when needed and starts its timer unless it
  // already runs.
  virtual void StartFolderShortcuts() = 0;
  // Reads the open folder windows into the hidden lists.
  virtual void ScanOpenFolderWindows() = 0;
  // Adds the listed folders that exist and are not yet in the tree; true
  // when any was added.
  virtual bool RecordRunningFolders() = 0;
  // The user lets Windows keep track of recently opened items, so the
  // shortcut writer may add to the Recent folder.
  virtual bool RecentItemsTracked() = 0;
};

// Keeps the record "Recent Folders" up to date while the program runs: at
// start, on every tick of the refresh timer, on activation and on
// "Refresh", what is new among the recent documents and the open folder
// windows is added to the tree, which is then saved.
class RecentFolderRecorder {
 public:
  RecentFolderRecorder(window::MainWindowState& state, settings::TFrmSmartFolderSetting& smartFolderSettings,
                       settings::SettingsStore& store, capture::RecentDocuments& recentDocuments,
                       RecentFoldersHost& host, records::RecordLibrary& records);

  void RefreshRecentFolders();
  void AddRecentFoldersToTree();

 private:
  window::MainWindowState& state_;
  settings::TFrmSmartFolderSetting& smartFolderSettings_;
  settings::SettingsStore& store_;
  capture::RecentDocuments& recentDocuments_;
  RecentFoldersHost& host_;
  records::RecordLibrary& records_;
  // The trace told that tracking is off; told again only after it was on.
  bool trackingOffNoted_ = false;
};

}  // namespace kalvora::recent
