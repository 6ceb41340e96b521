#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/Shell.h"

namespace kalvora::platform::sim {

// One start through the shell, as the machine's launch log keeps it.
struct LaunchRecord {
  int process = 0;  // the SimProcess that asked
  WindowHandle owner = 0;
  std::wstring verb;
  std::wstring file;
  std::wstring parameters;
  std::wstring directory;
  ShowCommand show = ShowCommand::ShowNormal;
  std::intptr_t result = 0;
};

// The machine's side of the shell: the launch log and the scripted failures.
class SimLaunches {
 public:
  // Starting this file (any letter case) returns the code (2, file not
  // found, say) instead of succeeding.
  void FailLaunch(const std::wstring& file, std::intptr_t code);
  std::intptr_t ResultFor(const std::wstring& file) const;
  // Every attempt, failed ones too, in order.
  const std::vector<LaunchRecord>& Log() const { return log_; }
  void Record(LaunchRecord record) { log_.push_back(std::move(record)); }

 private:
  std::map<std::wstring, std::intptr_t> failures_;  // by folded file
  std::vector<LaunchRecord> log_;
};

// ShellExecuteW of one process: logs the start and returns 42 (success).
class SimShell final : public Shell {
 public:
  SimShell(SimLaunches& launches, int process) : launches_(launches), process_(process) {}
  std::intptr_t Execute(WindowHandle owner, const std::wstring& verb, const std::wstring& file,
                        const std::wstring& parameters, const std::wstring& directory, ShowCommand show) override;

 private:
  SimLaunches& launches_;
  int process_;
};

}  // namespace kalvora::platform::sim
