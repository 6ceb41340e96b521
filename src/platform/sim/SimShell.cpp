#include "platform/sim/SimShell.h"

#include "platform/sim/SimText.h"

namespace kalvora::platform::sim {

void SimLaunches::FailLaunch(const std::wstring& file, std::intptr_t code) { failures_[Fold(file)] = code; }

std::intptr_t SimLaunches::ResultFor(const std::wstring& file) const {
  auto it = failures_.find(Fold(file));
  return it == failures_.end() ? 42 : it->second;
}

std::intptr_t SimShell::Execute(WindowHandle owner, const std::wstring& verb, const std::wstring& file,
                                const std::wstring& parameters, const std::wstring& directory, ShowCommand show) {
  std::intptr_t result = launches_.ResultFor(file);
  launches_.Record(LaunchRecord{process_, owner, verb, file, parameters, directory, show, result});
  return result;
}

}  // namespace kalvora::platform::sim
