#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The walk that creates a folder with its missing parents, written once for
// every file system on top of one make-one-folder step, so that no two of
// them disagree on where a path's root ends or which levels it has.
namespace kalvora::platform {

// What making one folder gave, in the terms CreateDirectoryW reports.
enum class FolderMade {
  Made,           // created now
  AlreadyThere,   // a folder or a file of that name exists
  ParentMissing,  // the level above does not exist (or is a file)
  Refused,        // anything else: a bad name, no rights, no such server ...
};

namespace folder_tree_detail {
inline bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }
inline bool IsLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }
inline std::size_t SkipSeparators(std::wstring_view path, std::size_t at) {
  while (at < path.size() && IsSeparator(path[at])) ++at;
  return at;
}
inline std::size_t NameEnd(std::wstring_view path, std::size_t at) {
  while (at < path.size() && !IsSeparator(path[at])) ++at;
  return at;
}
// "X:" at `at`, alone or followed by separators.
inline std::size_t DriveRootLength(std::wstring_view path, std::size_t at) {
  if (path.size() < at + 2 || !IsLetter(path[at]) || path[at + 1] != L':') return 0;
  if (path.size() == at + 2) return at + 2;
  return IsSeparator(path[at + 2]) ? SkipSeparators(path, at + 2) : 0;
}
// "server\share" at `at`; 0 when either name is missing.
inline std::size_t UncRootLength(std::wstring_view path, std::size_t at) {
  const std::size_t serverEnd = NameEnd(path, at);
  if (serverEnd == at || serverEnd == path.size()) return 0;
  const std::size_t share = serverEnd + 1;
  const std::size_t shareEnd = NameEnd(path, share);
  if (shareEnd == share) return 0;
  return SkipSeparators(path, shareEnd);
}
}  // namespace folder_tree_detail

// The length of the part of a full path that the walk never creates, with
// the separators after it: "C:\", "\\server\share\", "\\?\C:\",
// "\\?\UNC\server\share\" ("\\.\" as "\\?\"). 0 for a path that does not
// start at such a root: a relative path, "\dir" (the current drive's),
// "C:dir" (the drive's current folder), "\\server" without a share.
inline std::size_t FolderRootLength(std::wstring_view path) {
  using namespace folder_tree_detail;
  if (const std::size_t drive = DriveRootLength(path, 0)) return drive;
  if (path.size() < 3 || !IsSeparator(path[0]) || !IsSeparator(path[1])) return 0;
  if (path.size() >= 4 && (path[2] == L'?' || path[2] == L'.') && IsSeparator(path[3])) {
    if (const std::size_t drive = DriveRootLength(path, 4)) return drive;
    const std::size_t nameEnd = NameEnd(path, 4);
    const std::wstring_view name = path.substr(4, nameEnd - 4);
    if (name.size() == 3 && (name[0] | 0x20) == L'u' && (name[1] | 0x20) == L'n' && (name[2] | 0x20) == L'c')
      return nameEnd < path.size() ? UncRootLength(path, nameEnd + 1) : 0;
    // Another device or a volume ("\\?\Volume{...}\"): its name is the root.
    return nameEnd > 4 ? SkipSeparators(path, nameEnd) : 0;
  }
  return UncRootLength(path, 2);
}

// Where each level of the path below its root ends: "C:\a\\b\" gives the
// ends of "C:\a" and "C:\a\\b". Empty for a root alone or a path without one.
inline std::vector<std::size_t> FolderLevelEnds(std::wstring_view path) {
  using namespace folder_tree_detail;
  std::vector<std::size_t> ends;
  const std::size_t root = FolderRootLength(path);
  if (root == 0) return ends;
  for (std::size_t at = root; at < path.size(); at = SkipSeparators(path, ends.back())) ends.push_back(NameEnd(path, at));
  return ends;
}

// Makes the folder and every missing level above it through `makeFolder`
// (called with the path cut after a level, as the caller spelled it): up
// from the folder itself to the first level that is there, then down again
// making the missing ones, as LLVM's create_directories does over
// create_directory. The root is never made. Levels made on the way stay
// when a deeper one fails. True when every level was made or found; whether
// the path is a folder now (and not a file) is the caller's last check.
template <typename MakeFolder>
bool MakeFolderTree(std::wstring_view path, MakeFolder&& makeFolder) {
  if (FolderRootLength(path) == 0) return false;
  const std::vector<std::size_t> ends = FolderLevelEnds(path);
  auto make = [&](std::size_t level) { return makeFolder(std::wstring(path.substr(0, ends[level]))); };
  std::size_t there = ends.size();  // levels known to exist, counted from the root
  while (there > 0) {
    const FolderMade made = make(there - 1);
    if (made == FolderMade::Made || made == FolderMade::AlreadyThere) break;
    if (made == FolderMade::Refused) return false;
    --there;
  }
  if (there == 0) return ends.empty();  // not even the first level could be made: no such root
  for (std::size_t level = there; level < ends.size(); ++level) {
    const FolderMade made = make(level);
    if (made != FolderMade::Made && made != FolderMade::AlreadyThere) return false;
  }
  return true;
}

}  // namespace kalvora::platform
