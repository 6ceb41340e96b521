#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace kalvora::app {

// Switches are matched exactly and case-sensitively.
inline constexpr std::wstring_view SwitchRun = L"/run";
inline constexpr std::wstring_view SwitchRunAdmin = L"/run_admin";
inline constexpr std::wstring_view SwitchInstall = L"/install";
inline constexpr std::wstring_view SwitchRunAsAdmin = L"/runasadmin";
inline constexpr std::wstring_view SwitchContextMenu = L"/ctmenu";

// At most this many items are taken from one "*"-list.
inline constexpr size_t MaxStarListItems = 5000;

// The program's command line: the arguments after the program name, split the
// system's way with quotes removed.
class CommandLine {
 public:
  CommandLine(std::wstring programPath, std::vector<std::wstring> arguments);

  const std::vector<std::wstring>& Arguments() const { return arguments_; }
  const std::wstring& ProgramPath() const { return programPath_; }
  // The first argument, "" when there is none.
  std::wstring First() const;
  // The last argument; the program path itself when there are no arguments.
  std::wstring Last() const;
  std::wstring FirstTrimmed() const;
  std::wstring LastTrimmed() const;

 private:
  std::wstring programPath_;
  std::vector<std::wstring> arguments_;
};

// The first argument, trimmed, asks for the start-up replay.
bool IsReplayAtStart(const CommandLine& commandLine);
// The last argument, trimmed, marks an elevated instance.
bool IsStartedElevated(const CommandLine& commandLine);

bool IsStarList(std::wstring_view argument);
// The items of a "*"-list: each text followed by "*", trimmed; text after the
// last "*" is not an item; at most MaxStarListItems. Empty items are kept so
// that each intake can skip them its own way.
std::vector<std::wstring> StarListItems(std::wstring_view list);

// Switches that are never items in the command-line intake of the first
// instance ("/run", "/install", "/runasadmin", "/run_admin").
bool IsCommandLineIntakeSwitch(std::wstring_view argument);
// Switches that are never items in the parameter-file intake ("/run",
// "/install", "/runasadmin"; "/run_admin" is passed on as text there).
bool IsParameterFileSwitch(std::wstring_view argument);

}  // namespace kalvora::app
