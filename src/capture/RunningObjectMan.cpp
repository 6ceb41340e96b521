#include "capture/RunningObjectMan.h"

#include <vector>

#include "common/Guarded.h"
#include "capture/OpenFolders.h"
#include "settings/Shortcuts.h"

namespace kalvora::capture {

TRunningObjectMan::TRunningObjectMan(const platform::Platform& platform, tree::PathTests& paths,
                                     RunningObjectManHost& host)
    : platform_(platform), paths_(paths), host_(host) {
  recent_ = settings::SpecialFolderPath(platform_.folders, platform::SpecialFolder::Recent);
  const std::wstring documents = settings::SpecialFolderPath(platform_.folders, platform::SpecialFolder::Personal);
  if (!documents.empty()) {
    const std::wstring own = documents + L"\\revisto\\recent\\";
    if (!platform_.files.DirectoryExists(own)) platform_.files.CreateDirectoryTree(own);
  }
}

bool RecentItemsTracked(platform::Registry& registry) {
  using platform::RegistryRoot;
  const std::wstring policies = L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
  for (RegistryRoot root : {RegistryRoot::CurrentUser, RegistryRoot::LocalMachine}) {
    const std::optional<std::uint32_t> off = registry.ReadNumber({root, policies}, L"NoRecentDocsHistory");
    if (off && *off != 0) return false;
  }
  const std::optional<std::uint32_t> track = registry.ReadNumber(
      {RegistryRoot::CurrentUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced"},
      L"Start_TrackDocs");
  return !(track && *track == 0);
}

void TRunningObjectMan::StartFolderShortcuts() {
  // Setting a running timer again restarts its countdown: a refresh as
  // frequent as the writer would keep it from ever ticking.
  if (running_) return;
  running_ = true;
  host_.StartFolderShortcutTimer(kIntervalMs);
}

void TRunningObjectMan::WriteFolderShortcuts() {
  std::vector<platform::ShellWindow> windows;
  if (!platform_.shellWindows.OpenWindows(windows)) {
    host_.StopFolderShortcutTimer();
    running_ = false;
    return;
  }
  // The user's choice holds: the timer keeps running, so that turning
  // tracking on again takes effect at the next pass.
  if (!RecentItemsTracked(platform_.registry)) return;
  // No duplicate test: each pass rewrites every shortcut, so its file time
  // tells when the folder was last seen open.
  for (const platform::ShellWindow& window : windows) {
    // a window that fails to answer is left out
    Guarded(L"TRunningObjectMan.WriteFolderShortcuts", [&] {
      const std::optional<ShellLocation> folder = ReadShellWindow(platform_, paths_, window, false);
      if (!folder) return;
      settings::CreateShortcut(platform_.links, folder->path, RemovableDiskTitle(platform_, folder->title), recent_);
    });
  }
}

}  // namespace kalvora::capture
