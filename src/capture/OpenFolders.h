#pragma once
#include <optional>
#include <string>
#include <vector>

#include "capture/BrowserPages.h"
#include "platform/Platform.h"
#include "tree/DocumentTree.h"
#include "tree/PathTests.h"

namespace kalvora::capture {

// The main window's two hidden scan lists: the open folders and pages
// (LbFiles) and their titles (LbDocTitle), always of the same length.
struct OpenFolderLists {
  std::vector<std::wstring> files;
  std::vector<std::wstring> titles;
  void Clear() {
    files.clear();
    titles.clear();
  }
};

// What one shell window shows.
struct ShellLocation {
  std::wstring path;   // a folder (drive or network path) or a web address
  std::wstring title;  // the folder's name, or the page's title
  bool webPage = false;
};

// A shell window read as a folder or, when web pages are wanted, a page;
// nullopt for windows without a location or a document, and for pages when
// they are not wanted.
std::optional<ShellLocation> ReadShellWindow(const platform::Platform& platform, tree::PathTests& paths,
                                             const platform::ShellWindow& window, bool webPagesWanted);

// The open folder windows (and with recordWebPages the Internet Explorer
// pages, the DDE browsers' pages and Chrome's page) into the lists, each
// folder once. False when the shell's window list cannot be had; the lists
// are then empty.
bool ScanFoldersAndPages(const platform::Platform& platform, tree::PathTests& paths, OpenFolderLists& lists,
                         bool recordWebPages, TWebbrowserActiveUrl& ddeBrowsers);
// The open folder windows alone into the lists, each folder once.
bool ScanOpenFolderWindows(const platform::Platform& platform, tree::PathTests& paths, OpenFolderLists& lists);

// The path is in the lists already, ignoring case and surrounding blanks.
bool InFolderList(platform::SystemText& letters, const OpenFolderLists& lists, const std::wstring& path);
// "Removable Disk (E:)" for a title that begins with the letter of a
// removable drive; any other title as it is.
std::wstring RemovableDiskTitle(const platform::Platform& platform, const std::wstring& title);

// Hands the listed folders that exist on a drive and are not in the tree
// yet to the tree; true when it added any.
bool RecordRunningFolders(const platform::Platform& platform, tree::DocumentTree& tree, const OpenFolderLists& lists);
// Hands the item to the tree; true only when the All tree gained a node.
// Every source of a refresh reports "new" through this, so that a refresh
// that inserted nothing saves nothing.
bool AddedToTree(tree::DocumentTree& tree, const std::wstring& path, const std::wstring& title);
// The path, or the same with one trailing backslash more or less, is a root
// of the "All" tree or a direct child of one. An empty path counts as there.
bool FolderInTree(const platform::Platform& platform, tree::DocumentTree& tree, const std::wstring& path);

}  // namespace kalvora::capture
