#pragma once
#include <string>

#include "platform/Registry.h"

namespace kalvora::settings {

// The machine-wide Run key that starts the program with Windows. The
// uninstaller removes the value from the same place, so key, view and value
// name must not change.
platform::RegistryKey StartWithWindowsRunKey();

// The value's data: the program file in double quotes followed by " /run".
// `programFolder` ends with "\".
std::wstring StartWithWindowsCommandLine(const std::wstring& programFolder, const std::wstring& exeName);

// Whether the value is there with data that is not blank. Any error reads
// as "not registered".
bool IsStartWithWindows(platform::Registry& registry, const std::wstring& valueName);

// Writes the value, or deletes it when `enable` is false. Returns whether the
// registry took the change; callers ignore it (without administrator rights
// the machine-wide key refuses, and the next attempt simply tries again).
bool SetStartWithWindows(platform::Registry& registry, const std::wstring& valueName,
                         const std::wstring& commandLine, bool enable);

// Brings the registry in line with the "Run at Startup" choice, touching it
// only when the two disagree. The existing data is never compared with the
// current program path: a value pointing elsewhere still counts as present.
void ApplyStartWithWindows(platform::Registry& registry, const std::wstring& valueName,
                           const std::wstring& commandLine, bool wanted);

}  // namespace kalvora::settings
