#include "ui/SidePanels.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/ControlIds.h"
#include "ui/Fonts.h"
#include "ui/PanelWindow.h"

namespace kalvora::ui {

namespace {
constexpr DWORD ChildStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
// The search box leaves this much of its panel free.
constexpr int SearchBoxMargin = 20;
constexpr int FilterFirstColumnWidth = 180;
constexpr int FilterColumnSlack = 5;

HMENU AsId(int id) { return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)); }

HWND Child(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, int id, HFONT font,
           DWORD exStyle = 0) {
  HWND child = ::CreateWindowExW(exStyle, className, text, ChildStyle | style, 0, 0, 0, 0, parent, AsId(id),
                                 ::GetModuleHandleW(nullptr), nullptr);
  ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return child;
}

// The window's own flag: IsWindowVisible is false for every control while the
// main window is still hidden.
bool Visible(HWND window) { return (::GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0; }

void Show(HWND window, bool shown) {
  if (Visible(window) != shown) ::ShowWindow(window, shown ? SW_SHOW : SW_HIDE);
}

int Width(const RECT& box) { return box.right - box.left; }
int Height(const RECT& box) { return box.bottom - box.top; }

// A group box drawn behind the controls it frames; above them it would hide them.
void SendToBack(HWND window) {
  ::SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Place(HWND window, int left, int top, int width, int height) {
  ::MoveWindow(window, left, top, std::max(0, width), std::max(0, height), TRUE);
}
}  // namespace

void SidePanels::Create(HWND parent, HFONT font) {
  CreateRecordList(parent, font);
  CreateToolPanel(parent, font);
  CreateSearchPanel(parent, font);
  CreateStartupFilter(parent, font);
  CreateProgressPanel(parent, font);
  statusBar_ = ::CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | SBARS_SIZEGRIP, 0, 0, 0, 0, parent,
                                 AsId(IdStatusBar), ::GetModuleHandleW(nullptr), nullptr);
  ::SendMessageW(statusBar_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void SidePanels::CreateRecordList(HWND parent, HFONT font) {
  recordPanel_ = CreatePanel(parent, IdRecordListPanel);
  recordGroup_ = Child(recordPanel_, WC_BUTTONW, L"Records", BS_GROUPBOX, IdRecordListGroup, font);
  recordList_ = Child(recordPanel_, WC_LISTBOXW, L"", WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                      IdRecordList, font, WS_EX_CLIENTEDGE);
  SendToBack(recordGroup_);
}

void SidePanels::CreateToolPanel(HWND parent, HFONT font) {
  toolPanel_ = CreatePanel(parent, IdToolPanel);
  smartRecord_ = Child(toolPanel_, WC_BUTTONW, L"Smart Record", BS_AUTOCHECKBOX | WS_TABSTOP, IdSmartRecord, font);
  recordInterval_ = Child(toolPanel_, TRACKBAR_CLASSW, L"", TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS | WS_TABSTOP,
                          IdRecordInterval, font);
}

void SidePanels::CreateSearchPanel(HWND parent, HFONT font) {
  searchPanel_ = CreatePanel(parent, IdSearchPanel);
  searchBox_ = Child(searchPanel_, WC_COMBOBOXW, L"", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP,
                     IdSearchBox, font);
  searchButton_ = Child(searchPanel_, WC_BUTTONW, L"&Search", BS_PUSHBUTTON | WS_TABSTOP, IdSearchButton, font);
}

void SidePanels::CreateStartupFilter(HWND parent, HFONT font) {
  filterPanel_ = CreatePanel(parent, IdStartupFilterPanel);
  filterGroup_ = Child(filterPanel_, WC_BUTTONW, L"Filter Startup Programs - You can drag to the top of the list...",
                       BS_GROUPBOX, IdStartupFilterGroup, font);
  filterList_ = Child(filterPanel_, WC_LISTVIEWW, L"", LVS_REPORT | LVS_SHOWSELALWAYS | WS_TABSTOP,
                      IdStartupFilterList, font, WS_EX_CLIENTEDGE);
  SendToBack(filterGroup_);
  ListView_SetExtendedListViewStyle(filterList_, LVS_EX_FULLROWSELECT);
  const wchar_t* captions[] = {L"Title", L"Location"};
  for (int column = 0; column < 2; ++column) {
    LVCOLUMNW info = {};
    info.mask = LVCF_TEXT | LVCF_WIDTH;
    info.pszText = const_cast<wchar_t*>(captions[column]);
    info.cx = FilterFirstColumnWidth;
    ::SendMessageW(filterList_, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&info));
  }
}

void SidePanels::CreateProgressPanel(HWND parent, HFONT font) {
  progressPanel_ = CreatePanel(parent, IdProgressPanel);
  gauge_ = Child(progressPanel_, PROGRESS_CLASSW, L"", PBS_SMOOTH, IdGauge, font);
  ::SendMessageW(gauge_, PBM_SETRANGE32, 0, 100);
  hint_ = Child(progressPanel_, WC_STATICW, L"", SS_LEFT | SS_CENTERIMAGE | SS_ENDELLIPSIS | SS_NOPREFIX, IdHint,
                font);
  stopButton_ = Child(progressPanel_, WC_BUTTONW, L"S&top", BS_PUSHBUTTON | WS_TABSTOP, IdStopButton, font);
}

void SidePanels::Render(const window::MainWindowLayout& layout, const settings::MainWindowSettings& settings) {
  recordListWidth_ = layout.recordListWidth > 0 ? layout.recordListWidth : 120;
  RenderRecordList(layout);
  RenderStartupFilter(layout);

  ::SendMessageW(smartRecord_, BM_SETCHECK, settings.cbSmartRecord ? BST_CHECKED : BST_UNCHECKED, 0);
  const auto& interval = settings.tbRecordInterval;
  ::SendMessageW(recordInterval_, TBM_SETRANGEMIN, FALSE, interval.Min());
  ::SendMessageW(recordInterval_, TBM_SETRANGEMAX, FALSE, interval.Max());
  ::SendMessageW(recordInterval_, TBM_SETTICFREQ, 5, 0);
  ::SendMessageW(recordInterval_, TBM_SETPOS, TRUE, interval.Position());

  ::SendMessageW(gauge_, PBM_SETPOS, static_cast<WPARAM>(std::clamp(layout.gaugePosition, 0, 100)), 0);
  ::SetWindowTextW(hint_, layout.hintText.c_str());

  std::vector<std::wstring> status;
  for (const auto& panel : layout.statusPanels) status.push_back(panel.text);
  if (status != shownStatus_) {
    int rightEdges[2] = {layout.statusPanels[0].width, -1};  // the last part takes the rest
    ::SendMessageW(statusBar_, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(rightEdges));
    for (size_t part = 0; part < status.size(); ++part)
      ::SendMessageW(statusBar_, SB_SETTEXTW, part, reinterpret_cast<LPARAM>(status[part].c_str()));
    shownStatus_ = std::move(status);
  }

  Show(recordPanel_, layout.recordListVisible);
  Show(toolPanel_, layout.toolPanelVisible);
  const bool searchOpening = layout.searchPanelVisible && !Visible(searchPanel_);
  Show(searchPanel_, layout.searchPanelVisible);
  if (searchOpening) ::SetFocus(searchBox_);  // Ctrl+F means "let me type"
  Show(filterPanel_, layout.startupFilterVisible);
  Show(progressPanel_, layout.progressPanelVisible);
  Show(statusBar_, layout.statusBarVisible);
}

void SidePanels::RenderRecordList(const window::MainWindowLayout& layout) {
  if (layout.recordList != shownRecords_) {
    ::SendMessageW(recordList_, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(recordList_, LB_RESETCONTENT, 0, 0);
    for (const std::wstring& record : layout.recordList)
      ::SendMessageW(recordList_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(record.c_str()));
    ::SendMessageW(recordList_, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(recordList_, nullptr, TRUE);
    shownRecords_ = layout.recordList;
  }
  if (SelectedRecord() != layout.recordListIndex)
    ::SendMessageW(recordList_, LB_SETCURSEL, static_cast<WPARAM>(layout.recordListIndex), 0);
}

// Rows: caption = the program's window title, first sub-item = its path.
void SidePanels::RenderStartupFilter(const window::MainWindowLayout& layout) {
  if (layout.startupFilterRows == shownFilterRows_) return;
  ::SendMessageW(filterList_, WM_SETREDRAW, FALSE, 0);
  ::SendMessageW(filterList_, LVM_DELETEALLITEMS, 0, 0);
  int index = 0;
  for (const window::StartupFilterRow& row : layout.startupFilterRows) {
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<wchar_t*>(row.title.c_str());
    const int inserted = static_cast<int>(::SendMessageW(filterList_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (inserted < 0) continue;
    LVITEMW location = {};
    location.iSubItem = 1;
    location.pszText = const_cast<wchar_t*>(row.location.c_str());
    ::SendMessageW(filterList_, LVM_SETITEMTEXTW, inserted, reinterpret_cast<LPARAM>(&location));
    ++index;
  }
  ::SendMessageW(filterList_, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(filterList_, nullptr, TRUE);
  shownFilterRows_ = layout.startupFilterRows;
}

RECT SidePanels::Arrange(RECT area) {
  const int gap = ScaleForDpi(4);
  if (Visible(statusBar_)) {
    ::SendMessageW(statusBar_, WM_SIZE, 0, 0);  // it places itself along the bottom
    RECT bar = {};
    ::GetWindowRect(statusBar_, &bar);
    area.bottom -= Height(bar);
  }
  if (Visible(progressPanel_)) {
    const int height = ScaleForDpi(30);
    area.bottom -= height;
    Place(progressPanel_, area.left, area.bottom, Width(area), height);
    const int button = ScaleForDpi(75), gauge = ScaleForDpi(120), rowTop = ScaleForDpi(3);
    const int rowHeight = height - 2 * rowTop;
    Place(gauge_, gap, rowTop + ScaleForDpi(3), gauge, rowHeight - ScaleForDpi(6));
    Place(hint_, 2 * gap + gauge, rowTop, Width(area) - 4 * gap - gauge - button, rowHeight);
    Place(stopButton_, Width(area) - gap - button, rowTop, button, rowHeight);
  }
  if (Visible(recordPanel_)) {
    const int width = std::min(recordListWidth_, Width(area));
    Place(recordPanel_, area.left, area.top, width, Height(area));
    Place(recordGroup_, 0, 0, width, Height(area));
    const int captionHeight = ScaleForDpi(16);
    Place(recordList_, gap + 2, captionHeight, width - 2 * gap - 4, Height(area) - captionHeight - gap - 2);
    area.left += width;
  }
  if (Visible(toolPanel_)) {
    const int height = ScaleForDpi(32);
    Place(toolPanel_, area.left, area.top, Width(area), height);
    const int check = ScaleForDpi(100);
    Place(smartRecord_, 2 * gap, ScaleForDpi(7), check, ScaleForDpi(18));
    Place(recordInterval_, 2 * gap + check, ScaleForDpi(3), Width(area) - 3 * gap - check, ScaleForDpi(26));
    area.top += height;
  }
  if (Visible(searchPanel_)) {
    const int height = ScaleForDpi(60);
    const int width = Width(area);
    Place(searchPanel_, area.left, area.top, width, height);
    Place(searchBox_, SearchBoxMargin / 2, ScaleForDpi(6), width - SearchBoxMargin, ScaleForDpi(200));
    const int button = ScaleForDpi(75);
    Place(searchButton_, width - SearchBoxMargin / 2 - button, ScaleForDpi(32), button, ScaleForDpi(23));
    area.top += height;
  }
  if (Visible(filterPanel_)) {
    const int height = std::min(ScaleForDpi(180), Height(area) / 2);
    area.bottom -= height;
    Place(filterPanel_, area.left, area.bottom, Width(area), height);
    Place(filterGroup_, gap, 0, Width(area) - 2 * gap, height - gap);
    const int captionHeight = ScaleForDpi(18);
    Place(filterList_, 2 * gap, captionHeight, Width(area) - 4 * gap, height - captionHeight - 2 * gap);
    RECT client = {};
    ::GetClientRect(filterList_, &client);
    ListView_SetColumnWidth(filterList_, 0, FilterFirstColumnWidth);
    ListView_SetColumnWidth(filterList_, 1, std::max(0, Width(client) - FilterFirstColumnWidth - FilterColumnSlack));
  }
  return area;
}

void SidePanels::ReadToolPanel(settings::MainWindowSettings& settings) const {
  settings.cbSmartRecord = ::SendMessageW(smartRecord_, BM_GETCHECK, 0, 0) == BST_CHECKED;
  settings.tbRecordInterval.SetPosition(static_cast<int>(::SendMessageW(recordInterval_, TBM_GETPOS, 0, 0)));
}

int SidePanels::SelectedRecord() const {
  return static_cast<int>(::SendMessageW(recordList_, LB_GETCURSEL, 0, 0));
}

}  // namespace kalvora::ui
