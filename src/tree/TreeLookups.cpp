// Questions about what the "All" tree already holds. Walks that look at
// many entries read paths quietly and leave the hint panel showing the
// last one looked at, as a walk through GetDocPath would.
#include "common/PathText.h"
#include "resolve/ProgramPaths.h"
#include "resolve/ShortcutResolution.h"
#include "common/WideText.h"
#include "places/FolderPaths.h"
#include "places/PhotoViewer.h"
#include "tree/DocumentTree.h"

namespace kalvora::tree {
namespace {

// Walks over the roots and over each level stop here.
constexpr std::size_t kWalkLimit = 5000;

}  // namespace

bool DocumentTree::ItemInTree(const std::wstring& path, const std::wstring&) {
  const std::wstring wanted = Fold(paths_.CanonicalPath(path));
  int lastLookedAt = -1;
  bool found = false;
  const auto& roots = all_.Roots();
  for (std::size_t i = 0; i < roots.size() && i < kWalkLimit && !found; ++i) {
    const TreeNode& root = all_.Node(roots[i]);
    lastLookedAt = root.data.DocIndex;
    std::wstring rootPath = PathOf(root.data.DocIndex);
    if (!root.children.empty() && paths_.WideDirectoryExists(rootPath)) rootPath = paths_.GetGroupKey(rootPath);
    if (Fold(rootPath) == wanted) {
      found = true;
      break;
    }
    for (NodeId child : root.children) {
      lastLookedAt = all_.Node(child).data.DocIndex;
      if (Fold(PathOf(lastLookedAt)) == wanted) {
        found = true;
        break;
      }
    }
  }
  if (lastLookedAt >= 0) GetDocPath(lastLookedAt);
  return found;
}

std::wstring DocumentTree::ComparedTreePath(NodeId id) {
  const TreeNode& node = all_.Node(id);
  std::wstring path = Fold(resolve::ResolveShortcut(resolution_, PathOf(node.data.DocIndex)));
  if (!node.children.empty() && paths_.WideDirectoryExists(path)) {
    path = paths_.GetGroupKey(path);
    places::NormalizeFolderPath(path);
    // The documents folder's group key comes back in its own letter case;
    // every other path in the list is lowercase.
    path = Fold(path);
  }
  return path;
}

void DocumentTree::CollectTreePaths() {
  treePaths_.clear();
  int lastLookedAt = -1;
  std::vector<std::pair<const std::vector<NodeId>*, std::size_t>> stack{{&all_.Roots(), 0}};
  while (!stack.empty()) {
    auto& [siblings, next] = stack.back();
    if (next >= siblings->size() || next >= kWalkLimit) {
      stack.pop_back();
      continue;
    }
    const NodeId id = (*siblings)[next++];
    const TreeNode& node = all_.Node(id);
    lastLookedAt = node.data.DocIndex;
    treePaths_.push_back(ComparedTreePath(id));
    if (!node.children.empty()) stack.push_back({&node.children, 0});
  }
  if (lastLookedAt >= 0) GetDocPath(lastLookedAt);
}

bool DocumentTree::NeedsLimitedWalk() const {
  if (all_.Roots().size() > kWalkLimit) return true;
  bool tooLong = false;
  all_.ForEachDepthFirst([&](NodeId id) { tooLong = tooLong || all_.Node(id).children.size() > kWalkLimit; });
  return tooLong;
}

bool DocumentTree::CheckIfRecentDocInTreeNode(const std::wstring& fileName) {
  AddDebugLine(L"CheckIfRecentDocInTreeNode=FileName" + fileName);
  if (text::Trim(fileName).empty()) return true;
  const std::wstring wanted = Fold(paths_.CanonicalPath(resolve::ResolveShortcut(resolution_, Fold(fileName))));
  // Only a walk knows which nodes a level longer than the limit leaves out.
  if (all_.Count() > kWalkLimit && NeedsLimitedWalk()) {
    CollectTreePaths();
    for (const std::wstring& path : treePaths_)
      if (path == wanted + L"\\" || path == wanted || path + L"\\" == wanted) return true;
    return false;
  }
  // The walk would leave the hint on the last node in depth-first order.
  if (!all_.Roots().empty()) {
    NodeId last = all_.Roots().back();
    while (!all_.Node(last).children.empty()) last = all_.Node(last).children.back();
    GetDocPath(all_.Node(last).data.DocIndex);
  }
  if (treePathIndex_.Contains(wanted + L"\\") || treePathIndex_.Contains(wanted)) return true;
  return !wanted.empty() && wanted.back() == L'\\' && treePathIndex_.Contains(wanted.substr(0, wanted.size() - 1));
}

bool DocumentTree::AppNodeExists(std::wstring appPath, const std::wstring& title) {
  if (text::Trim(appPath).empty()) return true;  // nothing is inserted for an empty program
  const std::wstring titleLower = Fold(title);
  appPath = resolve::GetProgramPath(resolution_, appPath);
  if (places::IsPhotoViewerCommand(platform_, appPath)) appPath = L"Windows Photo Viewer";
  const std::wstring wanted = Fold(appPath);
  int lastLookedAt = -1;
  bool found = false;
  const auto& roots = all_.Roots();
  for (std::size_t i = 0; i < roots.size() && i < kWalkLimit; ++i) {
    const TreeNode& root = all_.Node(roots[i]);
    lastLookedAt = root.data.DocIndex;
    const std::wstring rootPath = Fold(PathOf(root.data.DocIndex));
    if (rootPath != wanted) continue;
    // Several Explorer roots with different titles are different programs.
    if (Fold(text::FileName(rootPath)) == L"explorer.exe" && Fold(root.text) != titleLower) continue;
    found = true;
    break;
  }
  if (lastLookedAt >= 0) GetDocPath(lastLookedAt);
  return found;
}

}  // namespace kalvora::tree
