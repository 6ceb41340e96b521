#include "app/entry/DataFolders.h"

#include "common/Guarded.h"
#include "common/ProductConstants.h"

namespace kalvora::app {

DataFolders DataFolders::Locate(platform::ShellFolders& folders) {
  const std::wstring documents = folders.SpecialFolderPath(platform::SpecialFolder::Personal);
  const std::wstring common = folders.SpecialFolderPath(platform::SpecialFolder::CommonDocuments);
  DataFolders result;
  result.userData = documents + L"\\" + ProductName + L"\\";
  result.sharedData = common + L"\\" + ProductName + L"\\";
  result.handOff = documents + L"\\revisto\\";
  return result;
}

void EnsureDataFolders(platform::FileSystem& files, const DataFolders& folders) {
  for (const auto* folder : {&folders.userData, &folders.sharedData}) {
    // A folder that cannot be made leaves the settings at their defaults.
    Guarded(L"DataFolders.EnsureDataFolders", [&] {
      if (!files.DirectoryExists(*folder)) files.CreateDirectoryTree(*folder);
    });
  }
}

}  // namespace kalvora::app
