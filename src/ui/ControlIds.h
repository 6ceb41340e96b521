#pragma once

namespace kalvora::ui {

// Child-window ids of the main window's controls. Menu and key commands use
// the app::Command values (1000 and up), so the two never meet.
enum MainControlId : int {
  IdPageControlTree = 100,
  IdTreeFirst = 110,  // TVDocs, TVApp, TVPath, TVDoc in page order
  IdStatusBar = 120,
  IdRecordListPanel = 130,  // GbRecList
  IdRecordListGroup,
  IdRecordList,             // LbRECs
  IdToolPanel = 140,        // PnlTool
  IdSmartRecord,            // cbSmartRecord
  IdRecordInterval,         // the tool panel's track bar
  IdSearchPanel = 150,      // PnlSearch
  IdSearchBox,              // ComboBoxSearch
  IdSearchButton,
  IdStartupFilterPanel = 160,  // gbFilterAutoStart
  IdStartupFilterGroup,
  IdStartupFilterList,         // LvAutoRunFilter
  IdProgressPanel = 170,       // PanelProgress
  IdGauge,                     // Gauge1
  IdHint,                      // PnlHint
  IdStopButton,
  IdTraceMemo = 180,           // TntMemo1, the debug trace
};

}  // namespace kalvora::ui
