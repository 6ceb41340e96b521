#include "resolve/SystemQueries.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace kalvora::resolve {

bool Wow64State::IsWow64() {
  if (!cached_) cached_ = system_.IsWow64Process().value_or(false);
  return *cached_;
}

bool Wow64State::DisableFsRedirection(platform::RedirectionToken& token) {
  if (!IsWow64()) return true;
  return system_.DisableWow64FsRedirection(token).value_or(false);
}

void Wow64State::RevertFsRedirection(platform::RedirectionToken token) {
  if (!IsWow64()) return;
  system_.RevertWow64FsRedirection(token);
}

unsigned ProcessImageName(platform::SystemInfo& system, void* process, char* buffer, unsigned size,
                          unsigned long* lastError) {
  auto name = system.ProcessImageFileName(process);
  if (!name) {
    if (lastError) *lastError = ErrorNotSupported;
    return 0;
  }
  if (size == 0 || buffer == nullptr) return 0;
  const size_t length = name->size() < size - 1 ? name->size() : size - 1;
  std::memcpy(buffer, name->data(), length);
  buffer[length] = '\0';
  return static_cast<unsigned>(length);
}

bool TRunAsAdmin::IsAdmin() {
  if (!cached_) cached_ = system_.TokenHasAdministratorsGroup();
  return *cached_;
}

std::wstring WindowsVersionText(const platform::OsVersion& version) {
  // The version is compared as the decimal number "%d.%d", so 4.10 is 4.1.
  char number[64];
  std::snprintf(number, sizeof number, "%lu.%lu", version.major, version.minor);
  char* end = nullptr;
  const double value = std::strtod(number, &end);
  if (end == number || *end != '\0') return L"";

  const wchar_t* suffix = L"";
  switch (version.platformId) {
    case 0:
      suffix = L"32";
      break;
    case 1:
      if (value == 4.0) suffix = L"95";
      else if (value == 4.1) suffix = L"98";
      else if (value == 4.9) suffix = L"Me";
      else suffix = L"9x";
      break;
    case 2:
      if (value == 3.51) suffix = L"NT 3.51";
      else if (value == 4.0) suffix = L"NT 4.0";
      else if (value == 5.0) suffix = L"2000";
      else if (value == 5.1) suffix = L"XP";
      else if (value == 5.2) suffix = L"2003";
      else if (value == 6.0) suffix = L"Vista";
      else if (value == 6.1) suffix = L"7";
      break;
    default:
      suffix = L"unknow";
      break;
  }
  return std::wstring(L"Windows ") + suffix;
}

}  // namespace kalvora::resolve
