#pragma once
#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace kalvora::settings {

// The name of the program's entry in the Explorer "Send To" menu; the
// uninstaller removes the file by this name.
inline constexpr const wchar_t* SendToShortcutName = L"Revisto";

// The shell's path of a special folder, without a trailing "\"; "" when the
// shell has none.
std::wstring SpecialFolderPath(platform::ShellFolders& folders, platform::SpecialFolder folder);

// A window title made fit for a file name: each of / \ : * ? " < > | becomes "_".
std::wstring SanitizeShortcutName(std::wstring_view name);

// The folder part of a path, with its trailing "\" ("C:\a\b.exe" gives "C:\a\").
std::wstring FolderOfPath(std::wstring_view path);

// Writes folder\<sanitised name>.lnk pointing at the target, with the
// target's folder as working folder; an existing file is replaced. False when
// the folder is unknown or the shortcut could not be saved.
bool CreateShortcut(platform::ShellLinks& links, const std::wstring& target, const std::wstring& name,
                    const std::wstring& folder);

// Writes <special folder>\<name>.lnk pointing at the target unless a file of
// that name is already there, whatever it points to: the user may have
// changed it. True only when a shortcut was written now.
bool CreateShortcutInSpecialFolder(platform::Platform& platform, platform::SpecialFolder folder,
                                   const std::wstring& name, const std::wstring& target);

// The program's entry in the user's Send To menu.
bool EnsureSendToShortcut(platform::Platform& platform, const std::wstring& programFile);

}  // namespace kalvora::settings
