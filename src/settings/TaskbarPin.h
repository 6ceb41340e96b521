#pragma once
#include <string>

#include "platform/Platform.h"
#include "settings/SettingsFile.h"

namespace kalvora::settings {

// The counter in the user settings file: 0 nothing done yet, 1 first start
// seen, 2 pinned.
inline constexpr const wchar_t* PinToTaskBarKey = L"PinToTaskBar";

// The Start-menu shortcut the installer creates:
// <all users' Programs>\<product>\<product>.lnk. "" when the shell has no such folder.
std::wstring PinnedShortcutPath(platform::ShellFolders& folders, const std::wstring& productName);

// At each start on Windows 7: the first start only counts, the second pins the
// installer's Start-menu shortcut to the taskbar and the Start menu, later
// starts do nothing. Pinning is skipped when the shortcut is missing; the
// shell's answers are not checked.
void PinToTaskbarOnce(platform::Platform& platform, SettingsFile& userSettings, const std::wstring& productName);

}  // namespace kalvora::settings
