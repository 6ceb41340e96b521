#include "tree/TreeModel.h"

#include <algorithm>
#include <stdexcept>

namespace kalvora::tree {

TreeModel::TreeModel(std::wstring name, std::function<std::wstring(const std::wstring&)> fold, bool sorted)
    : name_(std::move(name)), fold_(std::move(fold)), sorted_(sorted) {}

bool TreeModel::Contains(NodeId node) const {
  return node >= 0 && static_cast<std::size_t>(node) < nodes_.size() && live_[static_cast<std::size_t>(node)];
}

NodeId TreeModel::NewNode(NodeId parent, const std::wstring& text) {
  if (parent != NoNode && !Contains(parent)) throw std::out_of_range("TreeModel: no such parent node");
  NodeId id;
  if (!free_.empty()) {
    id = free_.back();
    free_.pop_back();
    nodes_[static_cast<std::size_t>(id)] = TreeNode{};
    live_[static_cast<std::size_t>(id)] = true;
  } else {
    id = static_cast<NodeId>(nodes_.size());
    nodes_.emplace_back();
    live_.push_back(true);
    folded_.emplace_back();
  }
  TreeNode& node = nodes_[static_cast<std::size_t>(id)];
  node.text = text;
  node.parent = parent;
  std::wstring key = fold_ ? fold_(text) : text;
  byText_[key].push_back(id);
  folded_[static_cast<std::size_t>(id)] = std::move(key);
  ++count_;
  return id;
}

void TreeModel::Place(std::vector<NodeId>& siblings, NodeId node, bool first) {
  if (sorted_) {
    const std::wstring& key = folded_[static_cast<std::size_t>(node)];
    const std::wstring& text = Node(node).text;
    auto at = std::upper_bound(siblings.begin(), siblings.end(), node, [&](NodeId, NodeId other) {
      const std::wstring& otherKey = folded_[static_cast<std::size_t>(other)];
      if (key != otherKey) return key < otherKey;
      return text < Node(other).text;
    });
    siblings.insert(at, node);
  } else if (first) {
    siblings.insert(siblings.begin(), node);
  } else {
    siblings.push_back(node);
  }
  for (auto* observer : observers_) observer->NodeInserted(*this, node);
}

NodeId TreeModel::AddFirstRoot(const std::wstring& text) {
  NodeId id = NewNode(NoNode, text);
  Place(roots_, id, true);
  return id;
}

NodeId TreeModel::AddChild(NodeId parent, const std::wstring& text) {
  NodeId id = NewNode(parent, text);
  Place(parent == NoNode ? roots_ : MutableNode(parent).children, id, false);
  return id;
}

NodeId TreeModel::NewEntryNode(NodeId parent, const std::wstring& text, int image, int docIndex) {
  const NodeId id = NewNode(parent, text);
  TreeNode& node = MutableNode(id);
  node.imageIndex = image;
  node.selectedIndex = image;
  node.data.DocIndex = docIndex;
  return id;
}

NodeId TreeModel::AddFirstRoot(const std::wstring& text, int image, int docIndex) {
  const NodeId id = NewEntryNode(NoNode, text, image, docIndex);
  Place(roots_, id, true);
  return id;
}

NodeId TreeModel::AddChild(NodeId parent, const std::wstring& text, int image, int docIndex) {
  const NodeId id = NewEntryNode(parent, text, image, docIndex);
  Place(parent == NoNode ? roots_ : MutableNode(parent).children, id, false);
  return id;
}

std::size_t TreeModel::IndexOf(NodeId node) const {
  const auto& siblings = Children(Node(node).parent);
  return static_cast<std::size_t>(std::find(siblings.begin(), siblings.end(), node) - siblings.begin());
}

void TreeModel::Forget(NodeId node) {
  for (NodeId child : Node(node).children) Forget(child);
  auto& sameText = byText_[folded_[static_cast<std::size_t>(node)]];
  sameText.erase(std::remove(sameText.begin(), sameText.end(), node), sameText.end());
  if (sameText.empty()) byText_.erase(folded_[static_cast<std::size_t>(node)]);
  live_[static_cast<std::size_t>(node)] = false;
  nodes_[static_cast<std::size_t>(node)] = TreeNode{};
  free_.push_back(node);
  --count_;
}

void TreeModel::Remove(NodeId node) {
  if (!Contains(node)) return;
  ++generation_;
  for (auto* observer : observers_) observer->NodeRemoving(*this, node);
  NodeId parent = Node(node).parent;
  auto& siblings = parent == NoNode ? roots_ : MutableNode(parent).children;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), node), siblings.end());
  Forget(node);
}

void TreeModel::Clear() {
  ++generation_;
  nodes_.clear();
  live_.clear();
  free_.clear();
  roots_.clear();
  folded_.clear();
  byText_.clear();
  count_ = 0;
  for (auto* observer : observers_) observer->Cleared(*this);
}

void TreeModel::SetImages(NodeId node, int image) {
  TreeNode& n = MutableNode(node);
  n.imageIndex = image;
  n.selectedIndex = image;
}

void TreeModel::SetExpanded(NodeId node, bool expanded) {
  if (!Contains(node) || Node(node).expanded == expanded) return;
  MutableNode(node).expanded = expanded;
  for (auto* observer : observers_) observer->NodeStateChanged(*this, node);
}

void TreeModel::SetSelected(NodeId node, bool selected) {
  if (!Contains(node) || Node(node).selected == selected) return;
  MutableNode(node).selected = selected;
  for (auto* observer : observers_) observer->NodeStateChanged(*this, node);
}

void TreeModel::MakeVisible(NodeId node) {
  if (!Contains(node)) return;
  for (NodeId up = Node(node).parent; up != NoNode; up = Node(up).parent) SetExpanded(up, true);
}

bool TreeModel::Precedes(NodeId a, NodeId b) const {
  // Compare the paths of sibling positions from the roots down.
  auto pathOf = [this](NodeId n) {
    std::vector<std::size_t> path;
    for (; n != NoNode; n = Node(n).parent) path.push_back(IndexOf(n));
    std::reverse(path.begin(), path.end());
    return path;
  };
  return pathOf(a) < pathOf(b);
}

NodeId TreeModel::FindFirstByText(const std::wstring& text) const {
  auto it = byText_.find(fold_ ? fold_(text) : text);
  if (it == byText_.end() || it->second.empty()) return NoNode;
  NodeId best = it->second.front();
  for (std::size_t i = 1; i < it->second.size(); ++i)
    if (Precedes(it->second[i], best)) best = it->second[i];
  return best;
}

void TreeModel::ForEachDepthFirst(const std::function<void(NodeId)>& visit) const {
  std::vector<std::pair<const std::vector<NodeId>*, std::size_t>> stack{{&roots_, 0}};
  while (!stack.empty()) {
    auto& [siblings, next] = stack.back();
    if (next >= siblings->size()) {
      stack.pop_back();
      continue;
    }
    NodeId node = (*siblings)[next++];
    visit(node);
    if (!Node(node).children.empty()) stack.push_back({&Node(node).children, 0});
  }
}

void TreeModel::BeginUpdate() {
  if (updateDepth_++ == 0)
    for (auto* observer : observers_) observer->UpdateBegun(*this);
}

void TreeModel::EndUpdate() {
  if (updateDepth_ == 0) return;
  if (--updateDepth_ == 0)
    for (auto* observer : observers_) observer->UpdateEnded(*this);
}

void TreeModel::AddObserver(TreeObserver* observer) {
  if (std::find(observers_.begin(), observers_.end(), observer) == observers_.end()) observers_.push_back(observer);
}

void TreeModel::RemoveObserver(TreeObserver* observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

}  // namespace kalvora::tree
