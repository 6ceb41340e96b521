#pragma once
#include <optional>
#include <string>

#include "platform/Platform.h"

namespace kalvora::resolve {

// True when the program runs as a 32-bit program on 64-bit Windows; asked
// once and cached for the process. A system without IsWow64Process says no.
class Wow64State {
 public:
  explicit Wow64State(platform::SystemInfo& system) : system_(system) {}
  bool IsWow64();
  // Lets a file probe see 64-bit system folders as they are. Outside WOW64
  // there is nothing to disable and the call reports success.
  bool DisableFsRedirection(platform::RedirectionToken& token);
  void RevertFsRedirection(platform::RedirectionToken token);

 private:
  platform::SystemInfo& system_;
  std::optional<bool> cached_;
};

// Keeps redirection off for one scope.
class FsRedirectionOff {
 public:
  explicit FsRedirectionOff(Wow64State& state) : state_(state) { disabled_ = state_.DisableFsRedirection(token_); }
  ~FsRedirectionOff() {
    if (disabled_) state_.RevertFsRedirection(token_);
  }
  FsRedirectionOff(const FsRedirectionOff&) = delete;
  FsRedirectionOff& operator=(const FsRedirectionOff&) = delete;

 private:
  Wow64State& state_;
  platform::RedirectionToken token_ = nullptr;
  bool disabled_ = false;
};

// The system's code for a function the system lacks.
inline constexpr unsigned long ErrorNotSupported = 50;

// Writes the process image name into the buffer (cut to size - 1 and ended
// with a zero) and returns the length written; 0 with lastError set to
// ErrorNotSupported when the system lacks the call.
unsigned ProcessImageName(platform::SystemInfo& system, void* process, char* buffer, unsigned size,
                          unsigned long* lastError);

// Whether the process runs with the Administrators group; asked once.
class TRunAsAdmin {
 public:
  explicit TRunAsAdmin(platform::SystemInfo& system) : system_(system) {}
  bool IsAdmin();

 private:
  platform::SystemInfo& system_;
  std::optional<bool> cached_;
};

// "Windows " with the suffix for the platform and version ("Windows 7",
// "Windows XP"; later versions give "Windows " alone).
std::wstring WindowsVersionText(const platform::OsVersion& version);

}  // namespace kalvora::resolve
