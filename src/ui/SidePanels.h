#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "window/MainWindowLayout.h"
#include "settings/SettingsStore.h"

namespace kalvora::ui {

// The panels around the trees, each shown only when the layout asks for it:
// the record list (GbRecList), the tool panel (PnlTool), the search panel
// (PnlSearch), the startup-program filter (gbFilterAutoStart), the progress
// panel (PanelProgress) and the status bar.
class SidePanels {
 public:
  void Create(HWND parent, HFONT font);
  void Render(const window::MainWindowLayout& layout, const settings::MainWindowSettings& settings);
  // Places the visible panels in area and returns what is left for the trees.
  RECT Arrange(RECT area);

  // The values the user changed in the tool panel.
  void ReadToolPanel(settings::MainWindowSettings& settings) const;
  // The selected record, -1 for none.
  int SelectedRecord() const;
  void ShowHint(const std::wstring& text) { ::SetWindowTextW(hint_, text.c_str()); }

 private:
  void CreateRecordList(HWND parent, HFONT font);
  void CreateToolPanel(HWND parent, HFONT font);
  void CreateSearchPanel(HWND parent, HFONT font);
  void CreateStartupFilter(HWND parent, HFONT font);
  void CreateProgressPanel(HWND parent, HFONT font);
  void RenderRecordList(const window::MainWindowLayout& layout);
  void RenderStartupFilter(const window::MainWindowLayout& layout);

  HWND statusBar_ = nullptr;
  HWND recordPanel_ = nullptr, recordGroup_ = nullptr, recordList_ = nullptr;
  HWND toolPanel_ = nullptr, smartRecord_ = nullptr, recordInterval_ = nullptr;
  HWND searchPanel_ = nullptr, searchBox_ = nullptr, searchButton_ = nullptr;
  HWND filterPanel_ = nullptr, filterGroup_ = nullptr, filterList_ = nullptr;
  HWND progressPanel_ = nullptr, gauge_ = nullptr, hint_ = nullptr, stopButton_ = nullptr;
  int recordListWidth_ = 120;
  std::vector<std::wstring> shownRecords_;
  std::vector<std::wstring> shownStatus_;
  std::vector<window::StartupFilterRow> shownFilterRows_;
};

}  // namespace kalvora::ui
