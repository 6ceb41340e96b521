// A command line's text after the program name (UTF-8), split as the
// system splits it, read as the program reads its arguments, and the
// first argument passed on to the elevation companion.
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "app/entry/CommandLine.h"
#include "app/entry/Elevation.h"
#include "platform/sim/SimMachine.h"
#include "platform/sim/SimProcess.h"
#include "settings/SettingsFile.h"

namespace kalvora::fuzz {
namespace {

constexpr const wchar_t* kProgram = L"C:\\Program Files\\Kalvora\\kalvora.exe";
constexpr const wchar_t* kShared = L"C:\\ProgramData\\Kalvora\\defualt.ini";

// The system's splitting of the arguments after the program name: blanks
// and tabs separate arguments outside quotes; 2n backslashes before a quote
// give n and the quote opens or closes a quoted part, 2n+1 give n and a
// literal quote; other backslashes are literal; "" inside a quoted part is a
// literal quote.
std::vector<std::wstring> SplitArguments(std::wstring_view line) {
  std::vector<std::wstring> arguments;
  std::size_t i = 0;
  while (true) {
    while (i < line.size() && (line[i] == L' ' || line[i] == L'\t')) ++i;
    if (i >= line.size()) return arguments;
    std::wstring argument;
    bool quoted = false;
    while (i < line.size() && (quoted || (line[i] != L' ' && line[i] != L'\t'))) {
      std::size_t backslashes = 0;
      while (i < line.size() && line[i] == L'\\') ++backslashes, ++i;
      if (i < line.size() && line[i] == L'"') {
        argument.append(backslashes / 2, L'\\');
        if (backslashes % 2 == 1) {
          argument += L'"';
        } else if (quoted && i + 1 < line.size() && line[i + 1] == L'"') {
          argument += L'"';
          ++i;
        } else {
          quoted = !quoted;
        }
        ++i;
      } else {
        argument.append(backslashes, L'\\');
        if (i < line.size() && (quoted || (line[i] != L' ' && line[i] != L'\t'))) argument += line[i++];
      }
    }
    arguments.push_back(std::move(argument));
  }
}

}  // namespace
}  // namespace kalvora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kalvora;
  using namespace kalvora::fuzz;
  const std::wstring line = text::Utf8ToWide(Bytes(data, size));
  // The system's command line ends at its first NUL.
  const std::vector<std::wstring> arguments = SplitArguments(std::wstring_view(line).substr(0, line.find(L'\0')));

  const app::CommandLine commandLine(kProgram, arguments);
  app::IsReplayAtStart(commandLine);
  app::IsStartedElevated(commandLine);
  Check(commandLine.Last() == (arguments.empty() ? kProgram : arguments.back()), "the last argument is another");
  for (const std::wstring& argument : commandLine.Arguments()) {
    app::IsCommandLineIntakeSwitch(argument);
    app::IsParameterFileSwitch(argument);
    if (app::IsStarList(argument)) {
      const std::vector<std::wstring> items = app::StarListItems(argument);
      Check(items.size() <= app::MaxStarListItems, "a star list past its limit");
      std::size_t stars = 0;
      for (wchar_t c : argument) stars += c == L'*';
      Check(items.size() <= stars, "more star-list items than stars", argument);
      for (const std::wstring& item : items) Check(item == text::Trim(item), "an untrimmed star-list item", item);
    }
    // Any argument, written for another program's command line, reaches it whole.
    if (!argument.empty())
      Check(SplitArguments(app::QuoteArgument(argument)) == std::vector<std::wstring>{argument},
            "a quoted argument splits into something else", argument + L" -> " + app::QuoteArgument(argument));
  }

  // With an elevated start demanded, the first argument goes to the companion.
  platform::sim::SimMachine machine;
  platform::sim::SimProcess process(machine, arguments, kProgram);
  machine.files().CreateDirectoryTree(L"C:\\ProgramData\\Kalvora");
  machine.profiles().WriteString(kShared, L"default", L"AlwaysRunAsAdmin", L"1");
  platform::Platform platform = process.Platform();
  const settings::SettingsFile shared(platform.profiles, kShared);
  app::StartupFlags flags;
  if (app::NeedsElevatedRestart(commandLine, shared, flags)) {
    app::StartElevatedRestart(platform.shell, commandLine);
    Check(machine.LaunchLog().size() == 1, "no elevation companion started");
    const std::vector<std::wstring> passed = SplitArguments(machine.LaunchLog().back().parameters);
    const std::vector<std::wstring> wanted =
        commandLine.First().empty() ? std::vector<std::wstring>{} : std::vector<std::wstring>{commandLine.First()};
    Check(passed == wanted, "the companion gets another first argument", machine.LaunchLog().back().parameters);
  }
  CheckNothingSwallowed(machine.developerLog());
  return 0;
}
