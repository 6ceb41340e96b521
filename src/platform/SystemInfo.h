#pragma once
#include <optional>
#include <string>
#include <vector>

namespace kalvora::platform {

// What GetVersionEx reports.
struct OsVersion {
  unsigned long platformId = 2;  // 0 Win32s, 1 Windows 9x, 2 NT
  unsigned long major = 0;
  unsigned long minor = 0;
};

// A moment in local time, as GetLocalTime gives it.
struct LocalDateTime {
  int year = 2000;
  int month = 1;  // 1 to 12
  int day = 1;    // 1 to 31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// Opaque value handed back by a disabled file-system redirection.
using RedirectionToken = void*;

// The running process and the system it runs on.
class SystemInfo {
 public:
  virtual ~SystemInfo() = default;
  // The arguments after the program name, split the system's way, quotes removed.
  virtual std::vector<std::wstring> CommandLineArguments() = 0;
  // Full path of the running program file.
  virtual std::wstring ProgramFilePath() = 0;
  virtual OsVersion GetOsVersion() = 0;
  // IsWow64Process on the current process; nullopt when the system lacks it.
  virtual std::optional<bool> IsWow64Process() = 0;
  // Wow64DisableWow64FsRedirection; nullopt when the system lacks it.
  virtual std::optional<bool> DisableWow64FsRedirection(RedirectionToken& token) = 0;
  virtual std::optional<bool> RevertWow64FsRedirection(RedirectionToken token) = 0;
  // GetProcessImageFileNameA from psapi.dll; nullopt when psapi lacks it.
  virtual std::optional<std::string> ProcessImageFileName(void* process) = 0;
  // True when the thread's (or else the process's) token holds the
  // built-in Administrators group; false when no token opens.
  virtual bool TokenHasAdministratorsGroup() = 0;
  virtual void Sleep(unsigned milliseconds) = 0;
  // The local date and time now (GetLocalTime).
  virtual LocalDateTime LocalNow() = 0;
  // Now as a UTC file time, 100-nanosecond steps since 1601 (GetSystemTimeAsFileTime).
  virtual unsigned long long UtcNowFileTime() = 0;
};

}  // namespace kalvora::platform
