#include "tree/TreePathIndex.h"

namespace kalvora::tree {

TreePathIndex::TreePathIndex(TreeModel& tree, std::function<std::wstring(NodeId)> pathOf)
    : tree_(tree), pathOf_(std::move(pathOf)) {
  tree_.AddObserver(this);
}

TreePathIndex::~TreePathIndex() { tree_.RemoveObserver(this); }

void TreePathIndex::Refresh(NodeId node) {
  if (auto it = pathByNode_.find(node); it != pathByNode_.end()) {
    paths_.erase(paths_.find(it->second));
    pathByNode_.erase(it);
  }
  if (!tree_.Contains(node)) return;
  std::wstring path = pathOf_(node);
  paths_.insert(path);
  pathByNode_.emplace(node, std::move(path));
}

void TreePathIndex::Rebuild() {
  pending_.clear();
  pathByNode_.clear();
  paths_.clear();
  tree_.ForEachDepthFirst([this](NodeId node) { Refresh(node); });
  valid_ = true;
}

bool TreePathIndex::Contains(const std::wstring& path) {
  if (!valid_) {
    Rebuild();
  } else if (!pending_.empty()) {
    std::vector<NodeId> arrived;
    arrived.swap(pending_);
    for (NodeId node : arrived) {
      Refresh(node);
      // A parent that gained a child may now count as a group.
      if (tree_.Contains(node) && tree_.Node(node).parent != NoNode) Refresh(tree_.Node(node).parent);
    }
  }
  return paths_.count(path) > 0;
}

}  // namespace kalvora::tree
