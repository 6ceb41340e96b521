#pragma once
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "app/main/MainWindowLayout.h"
#include "ui/Fonts.h"

namespace kalvora::ui {

// PageControlTree: the tab control whose tabs are the visible pages, each
// page showing its own tree view.
class TreePages {
 public:
  void Create(HWND parent, HFONT tabFont);
  void Render(const app::MainWindowLayout& layout);
  void Arrange(const RECT& area);

  // The page of the selected tab, after the user chose another tab.
  int SelectedPage() const;
  // Draws one owner-drawn tab.
  void DrawTab(const DRAWITEMSTRUCT& item);
  bool IsTree(HWND window) const;
  HWND TabControl() const { return tabs_; }

 private:
  void ShowPage(int page);
  void CreateTabControl(HWND parent, bool ownerDrawn);
  void SetOwnerDrawn(bool ownerDrawn);
  void SetTreeFont(int points);

  HWND tabs_ = nullptr;
  std::array<HWND, 4> trees_{};
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
