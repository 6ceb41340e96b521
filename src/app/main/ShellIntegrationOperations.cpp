#include "app/main/ShellIntegrationOperations.h"

#include "common/ProductConstants.h"
#include "settings/Shortcuts.h"
#include "settings/StartWithWindows.h"
#include "settings/TaskbarPin.h"

namespace kalvora::app {

ShellIntegrationOperations::ShellIntegrationOperations(platform::Platform& platform, std::wstring programFile,
                                                       settings::SettingsFile& userSettings)
    : platform_(platform), programFile_(std::move(programFile)), userSettings_(userSettings) {}

bool ShellIntegrationOperations::IsStartWithWindows() {
  return settings::IsStartWithWindows(platform_.registry, ProductName);
}

void ShellIntegrationOperations::ApplyStartWithWindows(bool wanted) {
  // The value names the product's file name in the running program's folder.
  const std::wstring commandLine =
      settings::StartWithWindowsCommandLine(settings::FolderOfPath(programFile_), ProductExeName);
  settings::ApplyStartWithWindows(platform_.registry, ProductName, commandLine, wanted);
}

void ShellIntegrationOperations::PinToTaskbarOnce() {
  settings::PinToTaskbarOnce(platform_, userSettings_, ProductName);
}

void ShellIntegrationOperations::EnsureSendToShortcut() { settings::EnsureSendToShortcut(platform_, programFile_); }

}  // namespace kalvora::app
