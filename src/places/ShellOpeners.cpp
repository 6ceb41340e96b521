#include "places/ShellOpeners.h"

#include <array>

#include "common/WideText.h"

namespace kalvora::places {

void OpenSpecialFolder(const platform::Platform& platform, int csidl, platform::WindowHandle owner) {
  platform.places.OpenSpecialFolder(csidl, owner);
}

std::intptr_t ExploreFolder(const platform::Platform& platform, const std::wstring& folder,
                            platform::WindowHandle owner) {
  return platform.shell.Execute(owner, L"explore", folder, L"", L"", platform::ShowCommand::ShowNormal);
}

bool IsControlPanelPageName(const platform::Platform& platform, const std::wstring& name) {
  static const std::array<const wchar_t*, 6> kPages = {L"system",         L"windows update",
                                                       L"windows firewall", L"user accounts",
                                                       L"programs and features", L"network and sharing center"};
  const std::wstring lowered = platform.text.Lower(text::Trim(name));
  for (const wchar_t* page : kPages) {
    if (lowered == page) return true;
  }
  return false;
}

std::wstring ControlPanelPageCommandLine(const platform::Platform& platform, const std::wstring& text) {
  return platform.places.SystemDirectory() + L"\\control.exe /name Microsoft." + text::ReplaceAll(text, L" ", L"");
}

void OpenControlPanelPage(const platform::Platform& platform, const std::wstring& text) {
  platform.places.RunCommandLine(ControlPanelPageCommandLine(platform, text), platform::ShowCommand::ShowNormal);
}

}  // namespace kalvora::places
