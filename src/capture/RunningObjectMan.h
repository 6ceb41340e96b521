#pragma once
#include <string>

#include "platform/Platform.h"
#include "tree/PathTests.h"

namespace kalvora::capture {

// What the writer needs of the main window: a repeating timer whose every
// tick calls TRunningObjectMan::WriteFolderShortcuts.
class RunningObjectManHost {
 public:
  virtual ~RunningObjectManHost() = default;
  virtual void StartFolderShortcutTimer(unsigned intervalMs) = 0;
  virtual void StopFolderShortcutTimer() = 0;
};

// Windows keeps track of recently opened items for this user: neither the
// policy NoRecentDocsHistory (the user's or the machine's) nor Explorer's
// Start_TrackDocs=0 turned it off.
bool RecentItemsTracked(platform::Registry& registry);

// Writes a shortcut for every open folder window into the user's Recent
// folder, so that open folders count as recently used. One per program.
class TRunningObjectMan {
 public:
  static constexpr unsigned kIntervalMs = 10000;

  // The timer stays off until StartFolderShortcuts.
  TRunningObjectMan(const platform::Platform& platform, tree::PathTests& paths, RunningObjectManHost& host);

  // Starts the timer unless it already runs; a running timer keeps its
  // countdown.
  void StartFolderShortcuts();
  // One pass over the open folder windows; it writes nothing while the
  // user has turned recent-items tracking off. When the shell's window list
  // cannot be had the timer stops until StartFolderShortcuts runs again.
  void WriteFolderShortcuts();

  const std::wstring& RecentFolder() const { return recent_; }

 private:
  platform::Platform platform_;
  tree::PathTests& paths_;
  RunningObjectManHost& host_;
  std::wstring recent_;
  bool running_ = false;
};

}  // namespace kalvora::capture
