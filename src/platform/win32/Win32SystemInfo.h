#pragma once
#include "platform/SystemInfo.h"

namespace kalvora::platform::win32 {

// The running process and the system. Functions that older systems lack
// (the WOW64 ones, psapi's) are looked up at run time.
class Win32SystemInfo final : public SystemInfo {
 public:
  std::vector<std::wstring> CommandLineArguments() override;
  std::wstring ProgramFilePath() override;
  OsVersion GetOsVersion() override;
  std::optional<bool> IsWow64Process() override;
  std::optional<bool> DisableWow64FsRedirection(RedirectionToken& token) override;
  std::optional<bool> RevertWow64FsRedirection(RedirectionToken token) override;
  std::optional<std::string> ProcessImageFileName(void* process) override;
  bool TokenHasAdministratorsGroup() override;
  void Sleep(unsigned milliseconds) override;
  LocalDateTime LocalNow() override;
  unsigned long long UtcNowFileTime() override;

  // Splits a whole command line the system's way (CommandLineToArgvW) and
  // drops the program name in front.
  static std::vector<std::wstring> SplitArguments(const std::wstring& commandLine);
};

}  // namespace kalvora::platform::win32
