#pragma once
#include <string>

#include "platform/Platform.h"

namespace kalvora::app {

// The program's folders, built by plain concatenation on what the shell
// reports (which has no trailing separator).
struct DataFolders {
  std::wstring userData;    // My Documents\Kalvora\ : user settings, default record folder
  std::wstring sharedData;  // Common Documents\Kalvora\ : shared settings
  std::wstring handOff;     // My Documents\revisto\ : files handed over by a second start

  static DataFolders Locate(platform::ShellFolders& folders);
};

// Creates both data folders with their parents; a failure is ignored (the
// settings then read their defaults).
void EnsureDataFolders(platform::FileSystem& files, const DataFolders& folders);

}  // namespace kalvora::app
