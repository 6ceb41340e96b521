#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/SystemInfo.h"

namespace kalvora::platform::sim {

// One simulated process's view of itself and of the machine's Windows
// version. Defaults: no arguments, a 64-bit program on 64-bit Windows (not
// WOW64) with the redirection functions present, psapi present, no
// Administrators group.
class SimSystemInfo final : public SystemInfo {
 public:
  SimSystemInfo(const OsVersion& machineVersion, const LocalDateTime& machineClock, std::wstring programFile)
      : os_(machineVersion), clock_(machineClock), programFile_(std::move(programFile)) {}

  std::vector<std::wstring> CommandLineArguments() override { return arguments_; }
  std::wstring ProgramFilePath() override { return programFile_; }
  OsVersion GetOsVersion() override { return os_; }
  std::optional<bool> IsWow64Process() override { return wow64_; }
  std::optional<bool> DisableWow64FsRedirection(RedirectionToken& token) override;
  std::optional<bool> RevertWow64FsRedirection(RedirectionToken token) override;
  std::optional<std::string> ProcessImageFileName(void* process) override;
  bool TokenHasAdministratorsGroup() override { return admin_; }
  void Sleep(unsigned milliseconds) override { slept_ += milliseconds; }
  LocalDateTime LocalNow() override { return clock_; }
  unsigned long long UtcNowFileTime() override;

  void SetArguments(std::vector<std::wstring> arguments) { arguments_ = std::move(arguments); }
  void SetProgramFilePath(std::wstring path) { programFile_ = std::move(path); }
  // nullopt: the system lacks IsWow64Process.
  void SetWow64(std::optional<bool> wow64) { wow64_ = wow64; }
  // false: the system lacks the redirection functions.
  void SetRedirectionAvailable(bool available) { redirectionAvailable_ = available; }
  void SetAdministrator(bool admin) { admin_ = admin; }
  // false: psapi lacks GetProcessImageFileNameA.
  void SetProcessImageNameAvailable(bool available) { imageNameAvailable_ = available; }
  // The device path reported for a process handle; unknown handles give ""
  // (the call fails and writes nothing).
  void SetProcessImageName(void* process, std::string deviceName) { imageNames_[process] = std::move(deviceName); }

  // Redirection brackets opened and not yet reverted.
  int RedirectionDepth() const { return depth_; }
  int RedirectionDisables() const { return disables_; }
  unsigned long long TotalSlept() const { return slept_; }

 private:
  const OsVersion& os_;
  const LocalDateTime& clock_;
  std::wstring programFile_;
  std::vector<std::wstring> arguments_;
  std::optional<bool> wow64_ = false;
  bool redirectionAvailable_ = true;
  bool admin_ = false;
  bool imageNameAvailable_ = true;
  std::map<void*, std::string> imageNames_;
  int depth_ = 0;
  int disables_ = 0;
  std::vector<RedirectionToken> openTokens_;
  unsigned long long slept_ = 0;
};

}  // namespace kalvora::platform::sim
