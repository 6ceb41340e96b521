#include "app/entry/Elevation.h"

#include "common/ProductConstants.h"

namespace kalvora::app {

bool NeedsElevatedRestart(const CommandLine& commandLine, const settings::SettingsFile& sharedSettings,
                          StartupFlags& flags) {
  const std::wstring last = commandLine.LastTrimmed();
  flags.StartedElevated = last == SwitchRunAsAdmin;
  if (!sharedSettings.ReadBool(settings::SectionDefault, L"AlwaysRunAsAdmin", false)) return false;
  return !(last == SwitchRunAsAdmin || last == SwitchContextMenu || last == SwitchRunAdmin);
}

void StartElevatedRestart(platform::Shell& shell, const CommandLine& commandLine) {
  // Quoted, so a path with blanks reaches the companion as the one argument it is.
  shell.Execute(0, L"open", ProgramFolder(commandLine.ProgramPath()) + ElevationProgramName,
                QuoteArgument(commandLine.First()), L"", platform::ShowCommand::ShowNormal);
}

std::wstring QuoteArgument(const std::wstring& argument) {
  if (argument.empty() || argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
  std::wstring quoted = L"\"";
  size_t backslashes = 0;
  for (wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    // Backslashes count only before a quote: double them there.
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');
  return quoted + L"\"";
}

std::wstring ProgramFolder(const std::wstring& programPath) {
  const size_t slash = programPath.find_last_of(L"\\/:");
  return slash == std::wstring::npos ? std::wstring() : programPath.substr(0, slash + 1);
}

}  // namespace kalvora::app
