#pragma once
#include <cstddef>
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
  // Add to it through AddMemoLine, which keeps the last lines only.
  std::vector<std::wstring> Memo1;

  // A refresh writes two lines, every 10 seconds by default: 1000 lines
  // cover the last hour or so, enough to follow what the program just did,
  // and stay far below a megabyte in a program that runs for weeks.
  static constexpr std::size_t Memo1MaxLines = 1000;
  void AddMemoLine(std::wstring line) {
    Memo1.push_back(std::move(line));
    if (Memo1.size() > Memo1MaxLines) Memo1.erase(Memo1.begin());
  }
};

}  // namespace kalvora::window
