#include "ui/TreeViewMirror.h"

namespace kalvora::ui {

namespace {
using tree::NodeId;
using tree::NoNode;

// Sets a flag for the lifetime of a scope, then puts the old value back.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = old_; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
  bool old_;
};

int Shown(int imageIndex) { return imageIndex < 0 ? I_IMAGENONE : imageIndex; }

HTREEITEM NextItem(HWND tree, UINT relation, HTREEITEM item) {
  return reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

bool ViewExpanded(HWND tree, HTREEITEM item) {
  return (::SendMessageW(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}
}  // namespace

TreeViewMirror::TreeViewMirror(HWND treeView, tree::TreeModel& model, HIMAGELIST images, ExpandedByUser onExpanded,
                               Redrawn onRedrawn)
    : tree_(treeView),
      model_(model),
      hasImages_(images != nullptr),
      onExpanded_(std::move(onExpanded)),
      onRedrawn_(std::move(onRedrawn)) {
  if (images) ::SendMessageW(tree_, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
  model_.AddObserver(this);
  if (model_.Updating()) UpdateBegun(model_);
  // Parents come before their children and siblings in order, so each node
  // finds its parent and its previous sibling already shown.
  model_.ForEachDepthFirst([this](NodeId node) { Insert(node); });
}

TreeViewMirror::~TreeViewMirror() {
  model_.RemoveObserver(this);
  if (redrawOff_ && ::IsWindow(tree_)) ::SendMessageW(tree_, WM_SETREDRAW, TRUE, 0);
}

HTREEITEM TreeViewMirror::ItemOf(NodeId node) const {
  if (node < 0 || static_cast<std::size_t>(node) >= items_.size()) return nullptr;
  return items_[static_cast<std::size_t>(node)];
}

NodeId TreeViewMirror::NodeOf(HTREEITEM item, LPARAM param) const {
  if (!item || param < 0 || static_cast<std::size_t>(param) >= items_.size()) return NoNode;
  const auto node = static_cast<NodeId>(param);
  return items_[static_cast<std::size_t>(node)] == item && model_.Contains(node) ? node : NoNode;
}

void TreeViewMirror::Insert(NodeId node) {
  const tree::TreeNode& shown = model_.Node(node);
  HTREEITEM parent = TVI_ROOT;
  if (shown.parent != NoNode) {
    parent = ItemOf(shown.parent);
    if (!parent) return;  // never happens: the parent was shown first
  }
  HTREEITEM after = TVI_FIRST;
  if (const std::size_t index = model_.IndexOf(node); index > 0) {
    after = ItemOf(model_.Children(shown.parent)[index - 1]);
    if (!after) after = TVI_LAST;
  }

  TVINSERTSTRUCTW insert = {};
  insert.hParent = parent;
  insert.hInsertAfter = after;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  insert.item.pszText = const_cast<wchar_t*>(shown.text.c_str());
  insert.item.lParam = node;
  insert.item.iImage = hasImages_ ? I_IMAGECALLBACK : I_IMAGENONE;
  insert.item.iSelectedImage = hasImages_ ? I_IMAGECALLBACK : I_IMAGENONE;
  HTREEITEM item;
  {
    FlagScope applying(applying_);
    item = reinterpret_cast<HTREEITEM>(::SendMessageW(tree_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
  }
  if (!item) return;
  if (items_.size() <= static_cast<std::size_t>(node)) items_.resize(static_cast<std::size_t>(node) + 1, nullptr);
  items_[static_cast<std::size_t>(node)] = item;

  // A parent that the model had expanded before it had children opens now.
  if (shown.parent != NoNode) ApplyExpanded(shown.parent);
  ApplyExpanded(node);
  if (shown.selected) ApplySelected(node);
}

void TreeViewMirror::Forget(NodeId node) {
  for (NodeId child : model_.Node(node).children) Forget(child);
  if (static_cast<std::size_t>(node) < items_.size()) items_[static_cast<std::size_t>(node)] = nullptr;
}

void TreeViewMirror::ApplyExpanded(NodeId node) {
  HTREEITEM item = ItemOf(node);
  if (!item) return;
  const bool wanted = model_.Node(node).expanded;
  if (ViewExpanded(tree_, item) == wanted) return;
  // An item without children cannot open; it does when its first child comes.
  if (!NextItem(tree_, TVGN_CHILD, item)) return;
  FlagScope applying(applying_);
  ::SendMessageW(tree_, TVM_EXPAND, wanted ? TVE_EXPAND : TVE_COLLAPSE, reinterpret_cast<LPARAM>(item));
}

void TreeViewMirror::ApplySelected(NodeId node) {
  HTREEITEM item = ItemOf(node);
  if (!item) return;
  const bool selected = model_.Node(node).selected;
  const HTREEITEM caret = NextItem(tree_, TVGN_CARET, nullptr);
  FlagScope applying(applying_);
  if (selected && caret != item)
    ::SendMessageW(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
  else if (!selected && caret == item)
    ::SendMessageW(tree_, TVM_SELECTITEM, TVGN_CARET, 0);
}

void TreeViewMirror::NodeInserted(const tree::TreeModel&, NodeId node) { Insert(node); }

void TreeViewMirror::NodeStateChanged(const tree::TreeModel&, NodeId node) {
  ApplyExpanded(node);
  ApplySelected(node);
}

void TreeViewMirror::NodeRemoving(const tree::TreeModel&, NodeId node) {
  HTREEITEM item = ItemOf(node);
  Forget(node);
  if (!item) return;
  FlagScope applying(applying_);
  ::SendMessageW(tree_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item));
}

void TreeViewMirror::Cleared(const tree::TreeModel&) {
  items_.clear();
  FlagScope applying(applying_);
  ::SendMessageW(tree_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
}

void TreeViewMirror::UpdateBegun(const tree::TreeModel&) {
  // A hidden tree draws nothing anyway; and WM_SETREDRAW TRUE can make a
  // hidden window visible, so it is left alone.
  if (redrawOff_ || !::IsWindowVisible(tree_)) return;
  ::SendMessageW(tree_, WM_SETREDRAW, FALSE, 0);
  redrawOff_ = true;
}

void TreeViewMirror::UpdateEnded(const tree::TreeModel&) {
  if (!redrawOff_) return;
  redrawOff_ = false;
  ::SendMessageW(tree_, WM_SETREDRAW, TRUE, 0);
  ::RedrawWindow(tree_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
  if (onRedrawn_) onRedrawn_();
}

bool TreeViewMirror::HandleNotify(const NMHDR& header, LRESULT& result) {
  if (header.hwndFrom != tree_) return false;
  switch (header.code) {
    case TVN_GETDISPINFOW:
    case TVN_GETDISPINFOA: {
      // The two forms differ only in the text, which is never asked for.
      auto& info = reinterpret_cast<NMTVDISPINFOW&>(const_cast<NMHDR&>(header));
      const NodeId node = NodeOf(info.item.hItem, info.item.lParam);
      if (node == NoNode) return false;
      const tree::TreeNode& shown = model_.Node(node);
      if (info.item.mask & TVIF_IMAGE) info.item.iImage = hasImages_ ? Shown(shown.imageIndex) : I_IMAGENONE;
      if (info.item.mask & TVIF_SELECTEDIMAGE)
        info.item.iSelectedImage = hasImages_ ? Shown(shown.selectedIndex) : I_IMAGENONE;
      result = 0;
      return true;
    }
    case TVN_SELCHANGEDW:
    case TVN_SELCHANGEDA: {
      // Whoever moved the selection, the model now says what the tree shows
      // (the echo finds the tree as the model wants it). The window may act on it too.
      const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
      const NodeId left = NodeOf(change.itemOld.hItem, change.itemOld.lParam);
      const NodeId chosen = NodeOf(change.itemNew.hItem, change.itemNew.lParam);
      if (left != NoNode) model_.SetSelected(left, false);
      if (chosen != NoNode) model_.SetSelected(chosen, true);
      return false;
    }
    case TVN_ITEMEXPANDEDW:
    case TVN_ITEMEXPANDEDA: {
      const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
      OnExpanded(change.itemNew.hItem);
      result = 0;
      return true;
    }
    default:
      return false;
  }
}

void TreeViewMirror::OnExpanded(HTREEITEM item) {
  if (applying_ || !item) return;  // the view follows the model: nothing to tell
  TVITEMW read = {};
  read.mask = TVIF_HANDLE | TVIF_PARAM;
  read.hItem = item;
  if (!::SendMessageW(tree_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&read))) return;
  const NodeId node = NodeOf(item, read.lParam);
  if (node == NoNode) return;
  const bool expanded = ViewExpanded(tree_, item);
  if (model_.Node(node).expanded == expanded) return;
  {
    // The model changes because the view did: nothing goes back to the view.
    FlagScope applying(applying_);
    model_.SetExpanded(node, expanded);
  }
  if (onExpanded_) onExpanded_(node, expanded);
}

}  // namespace kalvora::ui
