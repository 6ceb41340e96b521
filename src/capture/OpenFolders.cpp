#include "capture/OpenFolders.h"

#include "common/Guarded.h"
#include "common/PathText.h"
#include "common/WideText.h"
#include "places/FolderPaths.h"

namespace kalvora::capture {
namespace {

// Walks over tree nodes stop here.
constexpr std::size_t kMaxNodes = 5000;

bool StartsWithFolded(platform::SystemText& letters, const std::wstring& text, const std::wstring& prefix) {
  return letters.Lower(text.substr(0, prefix.size())) == prefix;
}

// The name after the last "\" or ":".
std::wstring LastName(const std::wstring& path) {
  const std::size_t cut = path.find_last_of(L"\\:");
  return cut == std::wstring::npos ? path : path.substr(cut + 1);
}

void Append(OpenFolderLists& lists, std::wstring path, std::wstring title) {
  lists.files.push_back(std::move(path));
  lists.titles.push_back(std::move(title));
}

// Reads every shell window; each one that gives a location not listed yet
// goes to the lists under its title, a removable drive's root renamed.
bool ScanShellWindows(const platform::Platform& platform, tree::PathTests& paths, OpenFolderLists& lists,
                      bool webPagesWanted) {
  lists.Clear();
  std::vector<platform::ShellWindow> windows;
  if (!platform.shellWindows.OpenWindows(windows)) return false;
  for (const platform::ShellWindow& window : windows) {
    // a window that fails to answer is left out
    Guarded(L"OpenFolders.ScanShellWindows", [&] {
      std::optional<ShellLocation> location = ReadShellWindow(platform, paths, window, webPagesWanted);
      if (!location) return;
      if (location->webPage && IsIgnoredUrl(platform.text, location->path)) return;
      if (InFolderList(platform.text, lists, location->path)) return;
      Append(lists, location->path, RemovableDiskTitle(platform, location->title));
    });
  }
  return true;
}

}  // namespace

std::optional<ShellLocation> ReadShellWindow(const platform::Platform& platform, tree::PathTests& paths,
                                             const platform::ShellWindow& window, bool webPagesWanted) {
  if (window.locationUrl.empty() || !window.hasDocument) return std::nullopt;
  const std::wstring url = text::Trim(window.locationUrl);
  ShellLocation location;
  if (StartsWithFolded(platform.text, url, L"file:///")) {
    location.path = text::FileUrlToPath(url);
    location.title = LastName(location.path);
    if (location.title.empty()) {  // a drive's root: "C:\" is titled "C:"
      places::NormalizeFolderPath(location.path);
      location.title = paths.GetDisplayName(location.path);
    }
  } else if (StartsWithFolded(platform.text, url, L"file://")) {
    location.path = text::FileUrlToPath(url);  // "//server/share" becomes "\\server\share"
    location.title = location.path;
  } else {
    if (!webPagesWanted) return std::nullopt;
    location.webPage = true;
    location.path = url;
    location.title = window.title.value_or(url);
  }
  platform.pump.ProcessMessages();
  return location;
}

bool ScanFoldersAndPages(const platform::Platform& platform, tree::PathTests& paths, OpenFolderLists& lists,
                         bool recordWebPages, TWebbrowserActiveUrl& ddeBrowsers) {
  if (!ScanShellWindows(platform, paths, lists, recordWebPages)) return false;
  if (recordWebPages) {
    WebPages pages = GetBrowserPages(platform, ddeBrowsers);
    for (std::size_t i = 0; i < pages.urls.size(); ++i) Append(lists, pages.urls[i], pages.titles[i]);
  }
  return true;
}

bool ScanOpenFolderWindows(const platform::Platform& platform, tree::PathTests& paths, OpenFolderLists& lists) {
  return ScanShellWindows(platform, paths, lists, false);
}

bool InFolderList(platform::SystemText& letters, const OpenFolderLists& lists, const std::wstring& path) {
  const std::wstring wanted = letters.Lower(text::Trim(path));
  for (const std::wstring& file : lists.files)
    if (letters.Lower(text::Trim(file)) == wanted) return true;
  return false;
}

std::wstring RemovableDiskTitle(const platform::Platform& platform, const std::wstring& title) {
  const std::wstring drive = title.substr(0, 2);
  if (platform.drives.DriveType(platform.text.Upper(drive) + L"\\") != platform::DriveRemovable) return title;
  return L"Removable Disk (" + drive + L")";
}

bool RecordRunningFolders(const platform::Platform& platform, tree::DocumentTree& tree, const OpenFolderLists& lists) {
  bool added = false;
  for (std::size_t i = 0; i < lists.files.size() && i < lists.titles.size(); ++i) {
    const std::wstring path = text::Trim(lists.files[i]);
    if (path.empty()) continue;
    // an entry that fails is skipped
    Guarded(L"OpenFolders.RecordRunningFolders", [&] {
      // Web addresses and network paths are not drive folders, so they stay out.
      if (tree.Paths().WideDirectoryExists(path) && !FolderInTree(platform, tree, path) &&
          AddedToTree(tree, path, lists.titles[i]))
        added = true;
    });
  }
  return added;
}

bool FolderInTree(const platform::Platform& platform, tree::DocumentTree& tree, const std::wstring& path) {
  if (text::Trim(path).empty()) return true;
  // A folder's path as it is: a dot in a folder's name ("Mr. Smith") is no
  // extension to cut.
  const std::wstring wanted = platform.text.Lower(text::Trim(path));
  int lastLookedAt = -1;
  // Paths are read quietly; the hint shows only the last one looked at.
  auto matches = [&](tree::NodeId node) {
    const int index = tree.TVDocs().Node(node).data.DocIndex;
    if (!tree.Docs().Valid(index)) return false;
    lastLookedAt = index;
    const std::wstring have = platform.text.Lower(text::Trim(tree.Docs()[index].path));
    return wanted == have || wanted == have + L"\\" || wanted + L"\\" == have;
  };
  bool found = false;
  const std::vector<tree::NodeId>& roots = tree.TVDocs().Roots();
  for (std::size_t r = 0; r < roots.size() && r < kMaxNodes && !found; ++r) {
    if (matches(roots[r])) {
      found = true;
      break;
    }
    for (tree::NodeId child : tree.TVDocs().Children(roots[r]))
      if (matches(child)) {
        found = true;
        break;
      }
  }
  if (lastLookedAt >= 0) tree.GetDocPath(lastLookedAt);
  return found;
}

bool AddedToTree(tree::DocumentTree& tree, const std::wstring& path, const std::wstring& title) {
  // AddItem tells nothing reliable about what it did; what counts is
  // whether the All tree, which the record is written from, grew.
  const std::size_t before = tree.TVDocs().Count();
  tree.AddItem(path, title);
  return tree.TVDocs().Count() > before;
}

}  // namespace kalvora::capture
