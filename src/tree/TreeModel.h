#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace kalvora::tree {

// A node's handle, valid while the node is in its tree.
using NodeId = int;
inline constexpr NodeId NoNode = -1;

// What every node of the four trees carries: the index of its entry in the
// document table.
struct TNodeData {
  int DocIndex = -1;
};

struct TreeNode {
  std::wstring text;  // never changes after insertion
  int imageIndex = -1;
  int selectedIndex = -1;
  int stateIndex = -1;
  bool expanded = false;
  bool selected = false;
  TNodeData data;
  NodeId parent = NoNode;
  std::vector<NodeId> children;
};

class TreeModel;

// A view that mirrors a tree (the Win32 tree view) learns of every change
// here. Between BeginUpdate and EndUpdate it may hold off redrawing.
class TreeObserver {
 public:
  virtual ~TreeObserver() = default;
  // The node is in place; its position is its index among its siblings.
  virtual void NodeInserted(const TreeModel& tree, NodeId node) = 0;
  // Its expanded or selected state changed.
  virtual void NodeStateChanged(const TreeModel& tree, NodeId node) = 0;
  // Called before the node and everything below it leave the tree.
  virtual void NodeRemoving(const TreeModel& tree, NodeId node) = 0;
  virtual void Cleared(const TreeModel& tree) = 0;
  virtual void UpdateBegun(const TreeModel& tree) = 0;
  virtual void UpdateEnded(const TreeModel& tree) = 0;
};

// One tree of the main window, kept apart from any window so the insertion
// rules run and are tested the same everywhere. Finding nodes by text goes
// through an index of folded texts, so it costs the same with 5 or 5000
// nodes.
class TreeModel {
 public:
  // fold maps a text to its case-insensitive key (the system's lowercase).
  // A sorted tree keeps every level in order of folded text, as the
  // "Web Page" tree does.
  TreeModel(std::wstring name, std::function<std::wstring(const std::wstring&)> fold, bool sorted = false);

  const std::wstring& Name() const { return name_; }
  bool Sorted() const { return sorted_; }

  // Inserts a root above the existing ones (or at its sorted place).
  NodeId AddFirstRoot(const std::wstring& text);
  // Appends a child as the last child of parent, or as the last root when
  // parent is NoNode (or at its sorted place).
  NodeId AddChild(NodeId parent, const std::wstring& text);
  // The same, for a node that shows an entry: its image (and selected image)
  // and its DocIndex are set before any observer sees it.
  NodeId AddFirstRoot(const std::wstring& text, int image, int docIndex);
  NodeId AddChild(NodeId parent, const std::wstring& text, int image, int docIndex);
  // Removes the node with everything below it.
  void Remove(NodeId node);
  void Clear();

  const TreeNode& Node(NodeId node) const { return nodes_[static_cast<std::size_t>(node)]; }
  TreeNode& MutableNode(NodeId node) { return nodes_[static_cast<std::size_t>(node)]; }
  bool Contains(NodeId node) const;
  const std::vector<NodeId>& Roots() const { return roots_; }
  const std::vector<NodeId>& Children(NodeId node) const {
    return node == NoNode ? roots_ : Node(node).children;
  }
  // Position among its siblings.
  std::size_t IndexOf(NodeId node) const;
  std::size_t Count() const { return count_; }
  bool Empty() const { return count_ == 0; }
  // Goes up whenever nodes are taken away (Remove, Clear). Node ids are used
  // again afterwards, so whoever holds ids across a message pump compares
  // this rather than trusting Contains.
  std::uint64_t Generation() const { return generation_; }

  void SetImages(NodeId node, int image);  // image and selected image alike
  void SetExpanded(NodeId node, bool expanded);
  void SetSelected(NodeId node, bool selected);
  // Expands every ancestor so the node can be seen.
  void MakeVisible(NodeId node);

  // The first node in depth-first order (parents before children, siblings
  // first to last) whose text equals text ignoring case; NoNode when none.
  NodeId FindFirstByText(const std::wstring& text) const;
  // Every node in depth-first order.
  void ForEachDepthFirst(const std::function<void(NodeId)>& visit) const;

  void BeginUpdate();
  void EndUpdate();
  bool Updating() const { return updateDepth_ > 0; }

  void AddObserver(TreeObserver* observer);
  void RemoveObserver(TreeObserver* observer);

 private:
  NodeId NewNode(NodeId parent, const std::wstring& text);
  NodeId NewEntryNode(NodeId parent, const std::wstring& text, int image, int docIndex);
  void Place(std::vector<NodeId>& siblings, NodeId node, bool first);
  void Forget(NodeId node);
  bool Precedes(NodeId a, NodeId b) const;  // a before b in depth-first order

  std::wstring name_;
  std::function<std::wstring(const std::wstring&)> fold_;
  bool sorted_;
  std::vector<TreeNode> nodes_;
  std::vector<bool> live_;
  std::vector<NodeId> free_;
  std::vector<NodeId> roots_;
  std::size_t count_ = 0;
  std::unordered_map<std::wstring, std::vector<NodeId>> byText_;  // folded text -> nodes
  std::vector<std::wstring> folded_;  // by node
  int updateDepth_ = 0;
  std::uint64_t generation_ = 0;
  std::vector<TreeObserver*> observers_;
};

}  // namespace kalvora::tree
