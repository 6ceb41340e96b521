#pragma once
#include <cstdint>
#include <string>

#include "platform/Platform.h"

namespace kalvora::places {

// CSIDL numbers of the shell places the system opens.
inline constexpr int kCsidlControls = 3;
inline constexpr int kCsidlPrinters = 4;
inline constexpr int kCsidlBitBucket = 10;
inline constexpr int kCsidlDrives = 17;
inline constexpr int kCsidlNetwork = 18;

// Opens a shell place by its CSIDL number; failures are ignored.
void OpenSpecialFolder(const platform::Platform& platform, int csidl, platform::WindowHandle owner = 0);

// ShellExecuteW with verb "explore" on the folder; the system's result
// (greater than 32 on success).
std::intptr_t ExploreFolder(const platform::Platform& platform, const std::wstring& folder,
                            platform::WindowHandle owner = 0);

// True for the Control Panel pages opened by name ("system", "user accounts",
// ...); the name is compared lower-cased and trimmed.
bool IsControlPanelPageName(const platform::Platform& platform, const std::wstring& name);

// The system folder + "\control.exe /name Microsoft." + the text with every
// blank removed, in the letter case it was written in.
std::wstring ControlPanelPageCommandLine(const platform::Platform& platform, const std::wstring& text);

// Starts the page's command line with WinExec, shown normally.
void OpenControlPanelPage(const platform::Platform& platform, const std::wstring& text);

}  // namespace kalvora::places
