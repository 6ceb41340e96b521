#pragma once
#include <string>
#include <vector>

#include "common/DeveloperLog.h"
#include "platform/SystemInfo.h"
#include "platform/sim/SimDeveloperLog.h"
#include "platform/sim/SimDrives.h"
#include "platform/sim/SimFileSystem.h"
#include "platform/sim/SimInstaller.h"
#include "platform/sim/SimProfileFiles.h"
#include "platform/sim/SimRegistry.h"
#include "platform/sim/SimSharedMemory.h"
#include "platform/sim/SimShell.h"
#include "platform/sim/SimShellFolders.h"
#include "platform/sim/SimShellLinks.h"
#include "platform/sim/SimSystemText.h"
#include "platform/sim/SimWindowManager.h"

namespace kalvora::platform::sim {

// The simulated computer that SimProcess objects run on: drives and files,
// profile files, named shared memory, top-level windows and the screen,
// special folders, the launch log, shortcuts, installed components, the
// registry and the Windows version (NT 6.1, Windows 7). The special
// folders exist on drive C: from the start. While it exists the machine's
// developer log receives every report of a swallowed failure, so each test
// that builds a machine starts with an empty log.
class SimMachine {
 public:
  SimMachine();
  SimMachine(const SimMachine&) = delete;
  SimMachine& operator=(const SimMachine&) = delete;

  SimFileSystem& files() { return files_; }
  SimProfileFiles& profiles() { return profiles_; }
  SimSharedMemory& sharedMemory() { return sharedMemory_; }
  SimWindowManager& windows() { return windows_; }
  SimShellFolders& folders() { return folders_; }
  SimLaunches& launches() { return launches_; }
  SimShellLinks& links() { return links_; }
  SimInstaller& installer() { return installer_; }
  SimRegistry& registry() { return registry_; }
  SimSystemText& text() { return text_; }
  SimDrives& drives() { return drives_; }
  SimDeveloperLog& developerLog() { return developerLog_; }

  const std::vector<LaunchRecord>& LaunchLog() const { return launches_.Log(); }
  WindowHandle ForegroundWindow() const { return windows_.ForegroundWindow(); }
  // Points the folder elsewhere (the folder itself is not created); "" means
  // the shell has no such folder.
  void SetSpecialFolder(SpecialFolder folder, const std::wstring& path) { folders_.Set(folder, path); }
  void SetScreenSize(int width, int height) { windows_.SetPrimaryScreenSize(ScreenSize{width, height}); }
  void SetOsVersion(OsVersion version) { os_ = version; }
  const OsVersion& osVersion() const { return os_; }
  // The machine's clock; local time equals UTC on the simulated machine.
  // Starts at 2026-12-10 12:00:00 and moves only when a test moves it.
  void SetNow(const LocalDateTime& now) { now_ = now; }
  const LocalDateTime& now() const { return now_; }

  // Each process gets its own number, starting at 1.
  int NextProcessId() { return ++lastProcessId_; }

 private:
  // First, so that it outlives every service that may report.
  SimDeveloperLog developerLog_;
  ScopedDeveloperSink developerLogInstalled_{developerLog_};
  SimFileSystem files_;
  SimProfileFiles profiles_{files_};
  SimSharedMemory sharedMemory_;
  SimWindowManager windows_;
  SimShellFolders folders_;
  SimLaunches launches_;
  SimShellLinks links_{files_};
  SimInstaller installer_{links_};
  SimRegistry registry_;
  SimSystemText text_;
  SimDrives drives_{files_};
  OsVersion os_{2, 6, 1};
  LocalDateTime now_{2026, 12, 10, 12, 0, 0, 0};
  int lastProcessId_ = 0;
};

}  // namespace kalvora::platform::sim
