#pragma once
#include <functional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "tree/TreeModel.h"

namespace kalvora::tree {

// The paths the "All" tree holds, in the form the recent-document check
// compares (lowercase, shortcuts resolved, groups by their top folder),
// kept up to date as nodes arrive instead of walking every node for every
// question. A node's path is worked out on the next question after it
// arrived, when its entry is complete; removals and clearing start over.
class TreePathIndex : public TreeObserver {
 public:
  // pathOf: the compared form of one node's path.
  TreePathIndex(TreeModel& tree, std::function<std::wstring(NodeId)> pathOf);
  ~TreePathIndex() override;
  TreePathIndex(const TreePathIndex&) = delete;
  TreePathIndex& operator=(const TreePathIndex&) = delete;

  // Some node's path equals this one.
  bool Contains(const std::wstring& path);
  // Forget everything: the next question looks at every node again (the
  // folders on disk may have changed since).
  void Invalidate() { valid_ = false; }

  // TreeObserver
  void NodeInserted(const TreeModel&, NodeId node) override { pending_.push_back(node); }
  void NodeStateChanged(const TreeModel&, NodeId) override {}
  void NodeRemoving(const TreeModel&, NodeId) override { valid_ = false; }
  void Cleared(const TreeModel&) override { valid_ = false; }
  void UpdateBegun(const TreeModel&) override {}
  void UpdateEnded(const TreeModel&) override {}

 private:
  void Rebuild();
  void Refresh(NodeId node);

  TreeModel& tree_;
  std::function<std::wstring(NodeId)> pathOf_;
  bool valid_ = false;
  std::vector<NodeId> pending_;
  std::unordered_map<NodeId, std::wstring> pathByNode_;
  std::unordered_multiset<std::wstring> paths_;
};

}  // namespace kalvora::tree
