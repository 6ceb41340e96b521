#include "ui/TreePages.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/ControlIds.h"

namespace kalvora::ui {

namespace {
constexpr DWORD TreeStyle = WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS | TVS_HASLINES | TVS_HASBUTTONS |
                            TVS_LINESATROOT | TVS_SHOWSELALWAYS | TVS_INFOTIP;
constexpr int TreeIndent = 19;
constexpr int PageInset = 3;

HMENU AsId(int id) { return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)); }
}  // namespace

void TreePages::Create(HWND parent, HFONT tabFont) {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  tabFont_ = tabFont;
  selectedTabFont_ = MakeBoldOf(tabFont);
  CreateTabControl(parent, true);
  for (size_t page = 0; page < trees_.size(); ++page) {
    trees_[page] = ::CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, L"", TreeStyle, 0, 0, 0, 0, parent,
                                     AsId(IdTreeFirst + static_cast<int>(page)), instance, nullptr);
    ::SendMessageW(trees_[page], TVM_SETINDENT, TreeIndent, 0);
  }
}

void TreePages::Render(const window::MainWindowLayout& layout) {
  SetOwnerDrawn(layout.tabsOwnerDrawn);
  SetTreeFont(layout.treeFontSize);

  std::vector<std::pair<int, std::wstring>> wanted;
  for (size_t page = 0; page < layout.pages.size(); ++page)
    if (layout.pages[page].visible) wanted.emplace_back(static_cast<int>(page), layout.pages[page].caption);
  if (wanted != shownTabs_) {
    TabCtrl_DeleteAllItems(tabs_);
    for (size_t tab = 0; tab < wanted.size(); ++tab) {
      TCITEMW item = {};
      item.mask = TCIF_TEXT | TCIF_PARAM;
      item.pszText = const_cast<wchar_t*>(wanted[tab].second.c_str());
      item.lParam = wanted[tab].first;
      ::SendMessageW(tabs_, TCM_INSERTITEMW, tab, reinterpret_cast<LPARAM>(&item));
    }
    shownTabs_ = std::move(wanted);
  }

  // The active page if it is shown, else the first shown page.
  const auto active = std::find_if(shownTabs_.begin(), shownTabs_.end(),
                                   [&](const auto& tab) { return tab.first == layout.activePage; });
  const int tab = active != shownTabs_.end() ? static_cast<int>(active - shownTabs_.begin()) : 0;
  if (!shownTabs_.empty()) {
    if (TabCtrl_GetCurSel(tabs_) != tab) TabCtrl_SetCurSel(tabs_, tab);
    ShowPage(shownTabs_[static_cast<size_t>(tab)].first);
  } else {
    ShowPage(-1);
  }
}

int TreePages::SelectedPage() const {
  const int tab = TabCtrl_GetCurSel(tabs_);
  if (tab < 0 || tab >= static_cast<int>(shownTabs_.size())) return -1;
  return shownTabs_[static_cast<size_t>(tab)].first;
}

void TreePages::ShowPage(int page) {
  if (page == shownPage_) return;
  for (size_t index = 0; index < trees_.size(); ++index)
    ::ShowWindow(trees_[index], static_cast<int>(index) == page ? SW_SHOW : SW_HIDE);
  // Above the tab control, which would otherwise hide it.
  if (page >= 0)
    ::SetWindowPos(trees_[static_cast<size_t>(page)], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  shownPage_ = page;
}

void TreePages::Arrange(const RECT& area) {
  ::MoveWindow(tabs_, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
  RECT page = {0, 0, area.right - area.left, area.bottom - area.top};
  TabCtrl_AdjustRect(tabs_, FALSE, &page);
  ::OffsetRect(&page, area.left, area.top);
  ::InflateRect(&page, -PageInset, -PageInset);
  for (HWND tree : trees_)
    ::MoveWindow(tree, page.left, page.top, std::max(0L, page.right - page.left), std::max(0L, page.bottom - page.top),
                 TRUE);
}

void TreePages::CreateTabControl(HWND parent, bool ownerDrawn) {
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | (ownerDrawn ? TCS_OWNERDRAWFIXED : 0);
  tabs_ = ::CreateWindowExW(0, WC_TABCONTROLW, L"", style, 0, 0, 0, 0, parent, AsId(IdPageControlTree),
                            ::GetModuleHandleW(nullptr), nullptr);
  // Below the trees, which it would otherwise paint over.
  ::SetWindowPos(tabs_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  // Owner-drawn tabs are measured in bold so that the selected tab's bold caption fits.
  ::SendMessageW(tabs_, WM_SETFONT, reinterpret_cast<WPARAM>(ownerDrawn ? selectedTabFont_.Get() : tabFont_), FALSE);
  ownerDrawn_ = ownerDrawn;
  shownTabs_.clear();
}

void TreePages::SetOwnerDrawn(bool ownerDrawn) {
  if (ownerDrawn == ownerDrawn_) return;
  // The control reads its drawing style only when it is created.
  HWND parent = ::GetParent(tabs_);
  RECT box = {};
  ::GetWindowRect(tabs_, &box);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&box), 2);
  ::DestroyWindow(tabs_);
  CreateTabControl(parent, ownerDrawn);
  ::MoveWindow(tabs_, box.left, box.top, box.right - box.left, box.bottom - box.top, FALSE);
}

void TreePages::SetTreeFont(int points) {
  if (points <= 0 || points == treeFontPoints_) return;
  Font font = MakeArial(points);
  for (HWND tree : trees_) ::SendMessageW(tree, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
  treeFont_ = std::move(font);  // the old font is released only once no tree uses it
  treeFontPoints_ = points;
}

void TreePages::DrawTab(const DRAWITEMSTRUCT& item) {
  const int tab = static_cast<int>(item.itemID);
  if (tab < 0 || tab >= static_cast<int>(shownTabs_.size())) return;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  RECT box = item.rcItem;
  ::FillRect(item.hDC, &box, ::GetSysColorBrush(COLOR_BTNFACE));
  const HGDIOBJ oldFont = ::SelectObject(item.hDC, selected ? selectedTabFont_.Get() : tabFont_);
  ::SetBkMode(item.hDC, TRANSPARENT);
  ::SetTextColor(item.hDC, ::GetSysColor(COLOR_BTNTEXT));
  if (selected) ::OffsetRect(&box, 0, -1);
  const std::wstring& caption = shownTabs_[static_cast<size_t>(tab)].second;
  ::DrawTextW(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &box,
              DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
  ::SelectObject(item.hDC, oldFont);
}

void TreePages::AttachTrees(const std::array<tree::TreeModel*, 4>& models, HIMAGELIST allTreeImages,
                            ExpandedByUser onExpanded) {
  DetachTrees();
  for (size_t page = 0; page < mirrors_.size(); ++page) {
    if (!models[page] || !trees_[page]) continue;
    const int pageIndex = static_cast<int>(page);
    auto expanded = [onExpanded, pageIndex](tree::NodeId node, bool isExpanded) {
      if (onExpanded) onExpanded(pageIndex, node, isExpanded);
    };
    // Turning redraw back on may mark a hidden tree visible: the page
    // control's choice stands.
    auto redrawn = [this, pageIndex] {
      ::ShowWindow(trees_[static_cast<size_t>(pageIndex)], pageIndex == shownPage_ ? SW_SHOWNA : SW_HIDE);
    };
    mirrors_[page] = std::make_unique<TreeViewMirror>(trees_[page], *models[page], page == 0 ? allTreeImages : nullptr,
                                                      std::move(expanded), std::move(redrawn));
  }
}

void TreePages::DetachTrees() {
  for (auto& mirror : mirrors_) mirror.reset();
}

bool TreePages::HandleTreeNotify(const NMHDR& header, LRESULT& result) {
  for (auto& mirror : mirrors_)
    if (mirror && mirror->HandleNotify(header, result)) return true;
  return false;
}

bool TreePages::IsTree(HWND window) const {
  return std::find(trees_.begin(), trees_.end(), window) != trees_.end();
}

}  // namespace kalvora::ui
