#pragma once
#include <map>
#include <string>

#include "platform/ShellFolders.h"

namespace kalvora::platform::sim {

// The machine's special folders, set up like a Windows 7 machine with one
// user, "joe". A test may move a folder or set it to "" (the shell has none).
class SimShellFolders final : public ShellFolders {
 public:
  SimShellFolders();
  std::wstring SpecialFolderPath(SpecialFolder folder) override;
  void Set(SpecialFolder folder, const std::wstring& path) { paths_[folder] = path; }
  const std::map<SpecialFolder, std::wstring>& All() const { return paths_; }

 private:
  std::map<SpecialFolder, std::wstring> paths_;
};

}  // namespace kalvora::platform::sim
