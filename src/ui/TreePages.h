#pragma once
#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "window/MainWindowLayout.h"
#include "tree/TreeModel.h"
#include "ui/Fonts.h"
#include "ui/TreeViewMirror.h"

namespace kalvora::ui {

// PageControlTree: the tab control whose tabs are the visible pages, each
// page showing its own tree view.
class TreePages {
 public:
  void Create(HWND parent, HFONT tabFont);
  void Render(const window::MainWindowLayout& layout);
  void Arrange(const RECT& area);

  // The page of the selected tab, after the user chose another tab.
  int SelectedPage() const;
  // Draws one owner-drawn tab.
  void DrawTab(const DRAWITEMSTRUCT& item);
  bool IsTree(HWND window) const;
  HWND TabControl() const { return tabs_; }
  HWND Tree(int page) const { return trees_[static_cast<size_t>(page)]; }

  // The user expanded or collapsed a node of a page's tree.
  using ExpandedByUser = std::function<void(int page, tree::NodeId node, bool expanded)>;
  // Each page's tree view shows its model (pages in order All, Application,
  // File Folder, Web Page) and follows it from now on; only the All tree
  // shows images. Replaces models attached before.
  void AttachTrees(const std::array<tree::TreeModel*, 4>& models, HIMAGELIST allTreeImages,
                   ExpandedByUser onExpanded);
  // Stops following the models (before they or the trees go away).
  void DetachTrees();
  // Answers a notification of one of the trees; false when it is none of theirs.
  bool HandleTreeNotify(const NMHDR& header, LRESULT& result);

 private:
  void ShowPage(int page);
  void CreateTabControl(HWND parent, bool ownerDrawn);
  void SetOwnerDrawn(bool ownerDrawn);
  void SetTreeFont(int points);

  HWND tabs_ = nullptr;
  std::array<HWND, 4> trees_{};
  std::array<std::unique_ptr<TreeViewMirror>, 4> mirrors_;
  // Page index and caption of each tab, in tab order.
  std::vector<std::pair<int, std::wstring>> shownTabs_;
  int shownPage_ = -1;
  bool ownerDrawn_ = true;
  int treeFontPoints_ = 0;
  Font treeFont_;
  HFONT tabFont_ = nullptr;
  Font selectedTabFont_;
};

}  // namespace kalvora::ui
