#include "platform/win32/Win32Installer.h"

#include <windows.h>

#include <cstring>

#include "platform/win32/DynamicLibraries.h"

namespace kalvora::platform::win32 {
namespace {

using GetShortcutTargetA = UINT(WINAPI*)(LPCSTR, LPSTR, LPSTR, LPSTR);
using LocateComponentA = int(WINAPI*)(LPCSTR, LPSTR, LPDWORD);  // returns an INSTALLSTATE

constexpr std::size_t kGuidChars = 39;  // "{...}" and the terminating zero

}  // namespace

std::optional<std::string> Win32Installer::ShortcutComponent(const std::string& linkPath) {
  auto getTarget = ProcAddress<GetShortcutTargetA>(L"msi.dll", "MsiGetShortcutTargetA");
  if (getTarget == nullptr) return std::nullopt;
  char component[kGuidChars] = {};
  if (getTarget(linkPath.c_str(), nullptr, nullptr, component) != ERROR_SUCCESS) return std::nullopt;
  component[kGuidChars - 1] = '\0';
  if (component[0] == '\0') return std::nullopt;
  return std::string(component);
}

std::string Win32Installer::LocateComponent(const std::string& componentCode, const std::string& buffer) {
  auto locate = ProcAddress<LocateComponentA>(L"msi.dll", "MsiLocateComponentA");
  if (locate == nullptr) return buffer;
  char path[MAX_PATH] = {};
  std::memcpy(path, buffer.data(), buffer.size() < MAX_PATH ? buffer.size() : MAX_PATH - 1);
  DWORD size = MAX_PATH;
  locate(componentCode.c_str(), path, &size);
  path[MAX_PATH - 1] = '\0';
  return std::string(path);
}

}  // namespace kalvora::platform::win32
