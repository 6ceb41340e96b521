#pragma once
#include <map>
#include <string>

#include "platform/Installer.h"
#include "platform/sim/SimShellLinks.h"

namespace kalvora::platform::sim {

// The simulated Windows Installer: a table of installed components by
// component code. An advertised shortcut names its component inside the
// shortcut file (SimShortcut::component).
class SimInstaller final : public Installer {
 public:
  explicit SimInstaller(SimShellLinks& links) : links_(links) {}

  std::optional<std::string> ShortcutComponent(const std::string& linkPath) override;
  std::string LocateComponent(const std::string& componentCode, const std::string& buffer) override;

  void SetComponentPath(const std::wstring& componentCode, const std::wstring& path);
  // false: msi.dll (or its functions) cannot be found; every call fails.
  void SetAvailable(bool available) { available_ = available; }

 private:
  SimShellLinks& links_;
  std::map<std::wstring, std::wstring> components_;  // by folded code
  bool available_ = true;
};

}  // namespace kalvora::platform::sim
