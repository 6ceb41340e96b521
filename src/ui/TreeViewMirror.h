#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <vector>

#include "tree/TreeModel.h"

namespace kalvora::ui {

// Shows one portable tree model in one SysTreeView32 and follows every later
// change of the model: each node is an item (lParam = its NodeId) at the
// model's position, with the node's text, expanded state and selection; the
// image and selected image are asked of the model whenever the item is drawn
// (I_IMAGECALLBACK), so images set after insertion show too. A tree without
// an image list gets no images. Between the model's BeginUpdate and
// EndUpdate the tree does not redraw.
//
// The tree view's notifications go to its parent window, which hands them
// to HandleNotify. When the user expands or collapses an item, the model
// learns it (without the change coming back to the view), then onExpanded.
// When the selection moves, the model's selected flags follow it.
class TreeViewMirror final : public tree::TreeObserver {
 public:
  using ExpandedByUser = std::function<void(tree::NodeId node, bool expanded)>;
  // Called after the tree redraws again at the end of an update.
  using Redrawn = std::function<void()>;

  // Shows the model's present nodes at once. images may be nullptr.
  TreeViewMirror(HWND treeView, tree::TreeModel& model, HIMAGELIST images, ExpandedByUser onExpanded = {},
                 Redrawn onRedrawn = {});
  // Stops following the model; the tree view keeps its items.
  ~TreeViewMirror() override;
  TreeViewMirror(const TreeViewMirror&) = delete;
  TreeViewMirror& operator=(const TreeViewMirror&) = delete;

  HWND TreeView() const { return tree_; }
  // The item showing the node; nullptr when none does.
  HTREEITEM ItemOf(tree::NodeId node) const;
  // Answers a notification of this tree view (images asked for, an item
  // expanded or collapsed). False when it is not one of this tree's or not
  // one it answers (a selection change is noted in the model and still
  // answers false, so the window may act on it); result is then left alone.
  bool HandleNotify(const NMHDR& header, LRESULT& result);

  // tree::TreeObserver
  void NodeInserted(const tree::TreeModel& model, tree::NodeId node) override;
  void NodeStateChanged(const tree::TreeModel& model, tree::NodeId node) override;
  void NodeRemoving(const tree::TreeModel& model, tree::NodeId node) override;
  void Cleared(const tree::TreeModel& model) override;
  void UpdateBegun(const tree::TreeModel& model) override;
  void UpdateEnded(const tree::TreeModel& model) override;

 private:
  void Insert(tree::NodeId node);
  void Forget(tree::NodeId node);
  void ApplyExpanded(tree::NodeId node);
  void ApplySelected(tree::NodeId node);
  void OnExpanded(HTREEITEM item);
  tree::NodeId NodeOf(HTREEITEM item, LPARAM param) const;

  HWND tree_;
  tree::TreeModel& model_;
  bool hasImages_;
  ExpandedByUser onExpanded_;
  Redrawn onRedrawn_;
  std::vector<HTREEITEM> items_;  // by NodeId
  bool applying_ = false;         // the view changes because the model did
  bool redrawOff_ = false;        // WM_SETREDRAW FALSE was sent
};

}  // namespace kalvora::ui
