#include "settings/StartWithWindows.h"

#include "common/WideText.h"

namespace kalvora::settings {

platform::RegistryKey StartWithWindowsRunKey() {
  return platform::RegistryKey{platform::RegistryRoot::LocalMachine,
                               L"SOFTWARE\\Microsoft\\windows\\CurrentVersion\\Run",
                               platform::RegistryView::Registry32};
}

std::wstring StartWithWindowsCommandLine(const std::wstring& programFolder, const std::wstring& exeName) {
  return L"\"" + programFolder + exeName + L"\" /run";
}

bool IsStartWithWindows(platform::Registry& registry, const std::wstring& valueName) {
  try {
    const auto data = registry.ReadString(StartWithWindowsRunKey(), valueName);
    return data && !text::Trim(*data).empty();
  } catch (...) {
    return false;  // a value of another type, say
  }
}

bool SetStartWithWindows(platform::Registry& registry, const std::wstring& valueName,
                         const std::wstring& commandLine, bool enable) {
  try {
    return enable ? registry.WriteString(StartWithWindowsRunKey(), valueName, commandLine)
                  : registry.DeleteValue(StartWithWindowsRunKey(), valueName);
  } catch (...) {
    return false;
  }
}

void ApplyStartWithWindows(platform::Registry& registry, const std::wstring& valueName,
                           const std::wstring& commandLine, bool wanted) {
  if (wanted == IsStartWithWindows(registry, valueName)) return;
  SetStartWithWindows(registry, valueName, commandLine, wanted);
}

}  // namespace kalvora::settings
