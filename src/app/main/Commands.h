#pragma once

namespace kalvora::app {

// Every command of the main window's menus and keys.
enum class Command : int {
  None = 0,
  // Window background pop-up (PmApp)
  AppSettings = 1000,  // "&Settings"
  MenuBar1,            // "&Menu Bar"
  StatusBar1,          // "&Status Bar"
  OpenApplicationPath,
  // Main menu: "&Control Panel"
  Refresh2,            // "Refresh", Ctrl+R
  Openfilelocation1,   // "Open Folder"
  ReplayAll2,          // "Replay &All"
  ControlSettings,     // "Settings"
  Exit,
  // Main menu: "&View"
  ViewFullCollapse,
  ViewFullExpand,
  MenuBar2,
  StatusBar2,
  // Main menu: "&Help"
  HelpContents,        // "Kalvora Help", F1
  HomePage,
  About,
  // Tree pop-up (PmDocTree)
  MnOpen,
  MnOpenDIr,
  Refresh3,
  FullCollapse1,
  FullExpand1,
  TextSizeLargest,
  TextSizeLarger,
  TextSizeMedium,
  TextSizeSmaller,
  TextSizeSmallest,
  Copyfilelocation1,
  CopyCtrlC1,
  CopyFile2,
  MnDeleteSelected,
  Settings5,
  MenuBar3,
  // Keys without a visible item
  SearchShortcut,
  BtnSSSearch,         // "&Search" of the search panel
  BtnStop,             // "S&top" of the progress panel: sets StopFlag      // Ctrl+F: checks cbSearch and runs the search command
  Debug,               // hidden trace command
};

// The three timers of the main window.
// FolderShortcuts is the 10-second timer of the open-folder shortcut writer.
enum class TimerId : int { FirstRun = 1, Finish = 2, RecFolders = 3, FolderShortcuts = 4 };

}  // namespace kalvora::app
