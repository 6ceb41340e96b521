#include "settings/StartWithWindows.h"

#include "common/Guarded.h"
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
  // A value of another type, say, reads as not set.
  return GuardedOr(L"StartWithWindows.IsStartWithWindows", false, [&] {
    const auto data = registry.ReadString(StartWithWindowsRunKey(), valueName);
    return data && !text::Trim(*data).empty();
  });
}

bool SetStartWithWindows(platform::Registry& registry, const std::wstring& valueName,
                         const std::wstring& commandLine, bool enable) {
  return GuardedOr(L"StartWithWindows.SetStartWithWindows", false, [&] {
    return enable ? registry.WriteString(StartWithWindowsRunKey(), valueName, commandLine)
                  : registry.DeleteValue(StartWithWindowsRunKey(), valueName);
  });
}

void ApplyStartWithWindows(platform::Registry& registry, const std::wstring& valueName,
                           const std::wstring& commandLine, bool wanted) {
  if (wanted == IsStartWithWindows(registry, valueName)) return;
  SetStartWithWindows(registry, valueName, commandLine, wanted);
}

}  // namespace kalvora::settings
