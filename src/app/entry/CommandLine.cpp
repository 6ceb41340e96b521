#include "app/entry/CommandLine.h"

#include "common/WideText.h"

namespace kalvora::app {

CommandLine::CommandLine(std::wstring programPath, std::vector<std::wstring> arguments)
    : programPath_(std::move(programPath)), arguments_(std::move(arguments)) {}

std::wstring CommandLine::First() const { return arguments_.empty() ? std::wstring() : arguments_.front(); }

std::wstring CommandLine::Last() const { return arguments_.empty() ? programPath_ : arguments_.back(); }

std::wstring CommandLine::FirstTrimmed() const { return text::Trim(First()); }

std::wstring CommandLine::LastTrimmed() const { return text::Trim(Last()); }

bool IsReplayAtStart(const CommandLine& commandLine) {
  const std::wstring first = commandLine.FirstTrimmed();
  return first == SwitchRun || first == SwitchRunAdmin;
}

bool IsStartedElevated(const CommandLine& commandLine) { return commandLine.LastTrimmed() == SwitchRunAsAdmin; }

bool IsStarList(std::wstring_view argument) { return argument.find(L'*') != std::wstring_view::npos; }

std::vector<std::wstring> StarListItems(std::wstring_view list) {
  std::vector<std::wstring> items;
  size_t start = 0;
  while (items.size() < MaxStarListItems) {
    const size_t star = list.find(L'*', start);
    if (star == std::wstring_view::npos) break;
    items.push_back(text::Trim(list.substr(start, star - start)));
    start = star + 1;
  }
  return items;
}

bool IsCommandLineIntakeSwitch(std::wstring_view argument) {
  return argument == SwitchRun || argument == SwitchInstall || argument == SwitchRunAsAdmin ||
         argument == SwitchRunAdmin;
}

bool IsParameterFileSwitch(std::wstring_view argument) {
  return argument == SwitchRun || argument == SwitchInstall || argument == SwitchRunAsAdmin;
}

}  // namespace kalvora::app
