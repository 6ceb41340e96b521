#pragma once
#include <functional>
#include <string>

#include "resolve/SystemQueries.h"
#include "platform/Platform.h"

namespace kalvora::tree {

// Icon of a file or program taken from the file itself: appends it to the
// tree's image list and gives the new index. Called with the lowercased path
// and the title to recognise shell names by.
using FileIconSource = std::function<int(const std::wstring& path, const std::wstring& title)>;

// Looks at an item's path (a drive path, file URL, UNC path, web address,
// program or bare shell name) without changing anything: which drive and
// entry it names, its group in the tree, its display name and its icon.
// Icon indexes are stored in record files, so their values never change.
class PathTests {
 public:
  // myDocumentsPath is the user's documents folder as the main window read it.
  PathTests(const platform::Platform& platform, resolve::Wow64State& wow64, std::wstring myDocumentsPath);

  // Starts with a drive letter other than A and ":", and that drive exists.
  // Drive A is refused without asking the system: probing a floppy drive
  // with no disk stalls.
  bool WideIfValidFileFormat(const std::wstring& path);
  bool WideDirectoryExists(const std::wstring& path);
  // An existing entry that is not a folder.
  bool WideFileExists(const std::wstring& path);
  bool IsWebAddress(const std::wstring& path);
  // The one form in which a path is stored and compared, however it
  // arrived: trimmed; a file URL decoded once into the path it names; a
  // drive or network path with backslashes only, no doubled ones. "%20"
  // in a path stands for a blank unless the path names an entry that is
  // on disk as written. Web addresses (but for "%20", a blank) and shell
  // names stay as they are.
  std::wstring CanonicalPath(const std::wstring& path);
  bool IsExcludedPath(const std::wstring& path);
  // A file URL, UNC path or drive path that is not an existing file.
  bool IsFolderLikePath(const std::wstring& path);
  // The top-level folder, the documents folder, a web host, or the path itself.
  std::wstring GetGroupKey(const std::wstring& path);
  std::wstring GetDisplayName(const std::wstring& path);
  int GetPathIconIndex(const std::wstring& path);
  // Stock index by program name or extension; otherwise the folder index
  // for a folder, or what iconFromFile gives (a shortcut is asked for by
  // its path rather than by the title).
  int GetFileIconIndex(const std::wstring& path, const std::wstring& title, const FileIconSource& iconFromFile);

 private:
  platform::Platform platform_;
  resolve::Wow64State& wow64_;
  std::wstring documents_;
  std::wstring documentsLower_;
};

}  // namespace kalvora::tree
