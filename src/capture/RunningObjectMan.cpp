#include "capture/RunningObjectMan.h"

#include <vector>

#include "capture/OpenFolders.h"
#include "settings/Shortcuts.h"

namespace kalvora::capture {

TRunningObjectMan::TRunningObjectMan(const platform::Platform& platform, tree::PathTests& paths,
                                     FolderShortcutTimer& timer)
    : platform_(platform), paths_(paths), timer_(timer) {
  recent_ = settings::SpecialFolderPath(platform_.folders, platform::SpecialFolder::Recent);
  const std::wstring documents = settings::SpecialFolderPath(platform_.folders, platform::SpecialFolder::Personal);
  if (!documents.empty()) {
    const std::wstring own = documents + L"\\revisto\\recent\\";
    if (!platform_.files.DirectoryExists(own)) platform_.files.CreateDirectoryTree(own);
  }
}

void TRunningObjectMan::StartFolderShortcuts() { timer_.Start(kIntervalMs); }

void TRunningObjectMan::WriteFolderShortcuts() {
  std::vector<platform::ShellWindow> windows;
  if (!platform_.shellWindows.OpenWindows(windows)) {
    timer_.Stop();
    return;
  }
  // No duplicate test: each pass rewrites every shortcut, so its file time
  // tells when the folder was last seen open.
  for (const platform::ShellWindow& window : windows) {
    try {
      const std::optional<ShellLocation> folder = ReadShellWindow(platform_, paths_, window, false);
      if (!folder) continue;
      settings::CreateShortcut(platform_.links, folder->path, RemovableDiskTitle(platform_, folder->title), recent_);
    } catch (const std::exception&) {
      // a window that fails to answer is left out
    }
  }
}

}  // namespace kalvora::capture
