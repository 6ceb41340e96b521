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

// Writes a shortcut for every open folder window into the user's Recent
// folder, so that open folders count as recently used. One per program.
class TRunningObjectMan {
 public:
  static constexpr unsigned kIntervalMs = 10000;

  // The timer stays off until StartFolderShortcuts.
  TRunningObjectMan(const platform::Platform& platform, tree::PathTests& paths, RunningObjectManHost& host);

  void StartFolderShortcuts();
  // One pass over the open folder windows. When the shell's window list
  // cannot be had the timer stops until StartFolderShortcuts runs again.
  void WriteFolderShortcuts();

  const std::wstring& RecentFolder() const { return recent_; }

 private:
  platform::Platform platform_;
  tree::PathTests& paths_;
  RunningObjectManHost& host_;
  std::wstring recent_;
};

}  // namespace kalvora::capture
