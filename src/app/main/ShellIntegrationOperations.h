#pragma once
#include <string>

#include "app/main/SubsystemOperations.h"
#include "platform/Platform.h"
#include "settings/SettingsFile.h"

namespace kalvora::app {

// The program's footprint in the shell: the start-with-Windows value, the
// one-time pinning on Windows 7 and the Send To entry.
class ShellIntegrationOperations : public SubsystemOperations {
 public:
  ShellIntegrationOperations(platform::Platform& platform, std::wstring programFile,
                             settings::SettingsFile& userSettings);

  bool IsStartWithWindows() override;
  void ApplyStartWithWindows(bool wanted) override;
  void PinToTaskbarOnce() override;
  void EnsureSendToShortcut() override;

 private:
  platform::Platform& platform_;
  std::wstring programFile_;
  settings::SettingsFile& userSettings_;
};

}  // namespace kalvora::app
