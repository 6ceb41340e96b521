#include "app/entry/Elevation.h"

#include "app/entry/ProductConstants.h"

namespace kalvora::app {

bool NeedsElevatedRestart(const CommandLine& commandLine, const settings::SettingsFile& sharedSettings,
                          StartupFlags& flags) {
  const std::wstring last = commandLine.LastTrimmed();
  flags.StartedElevated = last == SwitchRunAsAdmin;
  if (!sharedSettings.ReadBool(settings::SectionDefault, L"AlwaysRunAsAdmin", false)) return false;
  return !(last == SwitchRunAsAdmin || last == SwitchContextMenu || last == SwitchRunAdmin);
}

void StartElevatedRestart(platform::Shell& shell, const CommandLine& commandLine) {
  shell.Execute(0, L"open", ProgramFolder(commandLine.ProgramPath()) + ElevationProgramName, commandLine.First(),
                L"", platform::ShowCommand::ShowNormal);
}

std::wstring ProgramFolder(const std::wstring& programPath) {
  const size_t slash = programPath.find_last_of(L"\\/:");
  return slash == std::wstring::npos ? std::wstring() : programPath.substr(0, slash + 1);
}

}  // namespace kalvora::app
