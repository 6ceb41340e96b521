#pragma once
#include <string>
#include <vector>

namespace kalvora::window {

// The state the subsystems share through the main window.
struct MainWindowState {
  std::wstring MyDocumentsPath;
  std::wstring MyDocumentsPathLower;  // lower-cased and trimmed
  std::wstring OsName;                // e.g. "windows 7"
  std::wstring CurrentRecordPath;
  bool NewRecordFlag = false;
  bool FolderRecordFlag = false;
  bool LoadingFlag = false;
  bool StopFlag = false;
  bool StartingFlag = false;
  bool StartupDone = false;
  bool IsAdmin = false;
  bool ProgramNamesLoaded = false;
  // Hidden diagnostic memo: only collects lines, never shown or read.
  std::vector<std::wstring> Memo1;
};

}  // namespace kalvora::window
