#include "settings/Shortcuts.h"

#include "common/Guarded.h"

namespace kalvora::settings {
namespace {

// Joins folder and file name with exactly one "\".
std::wstring InFolder(std::wstring folder, const std::wstring& fileName) {
  while (!folder.empty() && folder.back() == L'\\') folder.pop_back();
  return folder + L'\\' + fileName;
}

}  // namespace

std::wstring SpecialFolderPath(platform::ShellFolders& folders, platform::SpecialFolder folder) {
  return folders.SpecialFolderPath(folder);
}

std::wstring SanitizeShortcutName(std::wstring_view name) {
  std::wstring out(name);
  for (wchar_t& c : out)
    if (std::wstring_view(L"/\\:*?\"<>|").find(c) != std::wstring_view::npos) c = L'_';
  return out;
}

std::wstring FolderOfPath(std::wstring_view path) {
  const std::size_t last = path.find_last_of(L"\\:");
  return last == std::wstring_view::npos ? std::wstring() : std::wstring(path.substr(0, last + 1));
}

bool CreateShortcut(platform::ShellLinks& links, const std::wstring& target, const std::wstring& name,
                    const std::wstring& folder) {
  // Without a folder the name alone would land in the current folder or at a drive's root.
  if (folder.empty()) return false;
  return GuardedOr(L"Shortcuts.CreateShortcut", false, [&] {
    const std::wstring linkPath = InFolder(folder, SanitizeShortcutName(name) + L".lnk");
    return !platform::Failed(links.Write(linkPath, target, FolderOfPath(target)));
  });
}

bool CreateShortcutInSpecialFolder(platform::Platform& platform, platform::SpecialFolder folder,
                                   const std::wstring& name, const std::wstring& target) {
  return GuardedOr(L"Shortcuts.CreateShortcutInSpecialFolder", false, [&] {
    const std::wstring folderPath = SpecialFolderPath(platform.folders, folder);
    if (folderPath.empty()) return false;
    const std::wstring linkPath = InFolder(folderPath, name + L".lnk");
    if (platform.files.FileExists(linkPath)) return false;
    return !platform::Failed(platform.links.Write(linkPath, target, FolderOfPath(target)));
  });
}

bool EnsureSendToShortcut(platform::Platform& platform, const std::wstring& programFile) {
  return CreateShortcutInSpecialFolder(platform, platform::SpecialFolder::SendTo, SendToShortcutName, programFile);
}

}  // namespace kalvora::settings
