#pragma once
#include <array>
#include <string>
#include <vector>

namespace kalvora::window {

// One page of PageControlTree with its tree.
struct TreePage {
  const wchar_t* sheetName;  // TabSheet6, TabSheet8, TabSheet5, TbWebpage
  const wchar_t* treeName;   // TVDocs, TVApp, TVPath, TVDoc
  std::wstring caption;
  bool visible = true;
};

inline constexpr int PageAll = 0;
inline constexpr int PageApplication = 1;
inline constexpr int PageFileFolder = 2;
inline constexpr int PageWebPage = 3;
inline constexpr const wchar_t* RecentlyOpenFoldersCaption = L"   Recently Open Folders   ";

struct StatusPanel {
  int width = 0;
  std::wstring text;
};

// One row of the startup filter list (LvAutoRunFilter).
struct StartupFilterRow {
  std::wstring title;     // caption: the window title of the running program
  std::wstring location;  // first sub-item: its program path
  bool operator==(const StartupFilterRow&) const = default;
};

// What the main window shows. The portable window logic changes it; the
// Win32 view draws it.
struct MainWindowLayout {
  std::wstring caption;
  std::wstring applicationTitle;
  std::array<TreePage, 4> pages{{{L"TabSheet6", L"TVDocs", L"All", true},
                                 {L"TabSheet8", L"TVApp", L"Application", true},
                                 {L"TabSheet5", L"TVPath", L"File Folder", true},
                                 {L"TbWebpage", L"TVDoc", L"Web Page", false}}};
  int activePage = PageAll;
  bool tabsOwnerDrawn = true;

  bool recordListVisible = false;  // GbRecList with LbRECs
  int recordListWidth = 120;
  std::vector<std::wstring> recordList;  // LbRECs
  int recordListIndex = -1;
  bool toolPanelVisible = false;          // PnlTool
  bool searchPanelVisible = false;        // PnlSearch
  bool startupFilterVisible = false;      // gbFilterAutoStart
  std::vector<StartupFilterRow> startupFilterRows;  // LvAutoRunFilter
  bool progressPanelVisible = false;      // PanelProgress
  int gaugePosition = 0;                  // Gauge1
  std::wstring hintText;                  // PnlHint
  bool hiddenListPageVisible = true;      // PageControlHide
  bool traceVisible = false;              // TntMemo1, the debug trace
  std::vector<std::wstring> traceLines;

  bool menuBarVisible = false;            // CoolBarMainMeu
  std::array<bool, 3> menuBarChecked{};   // MenuBar1, MenuBar2, MenuBar3
  bool statusBarVisible = false;          // TntStatusBar1
  std::array<bool, 2> statusBarChecked{}; // StatusBar1, StatusBar2
  std::array<StatusPanel, 2> statusPanels{{{250, L"No Items Selected."}, {50, L""}}};

  int treeFontSize = 9;
  int checkedTextSize = 0;  // tag of the checked Text Size item, 0 for none
  bool recentMenuVisible = false;
  bool searchChecked = false;  // cbSearch
};

}  // namespace kalvora::window
