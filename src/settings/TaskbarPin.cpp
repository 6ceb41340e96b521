#include "settings/TaskbarPin.h"

#include "settings/Shortcuts.h"

namespace kalvora::settings {
namespace {

// The shell's pin verbs are given SW_SHOW.
constexpr auto ShowForPinning = platform::ShowCommand::Show;

}  // namespace

std::wstring PinnedShortcutPath(platform::ShellFolders& folders, const std::wstring& productName) {
  const std::wstring programs = SpecialFolderPath(folders, platform::SpecialFolder::CommonPrograms);
  if (programs.empty()) return {};
  return programs + L'\\' + productName + L'\\' + productName + L".lnk";
}

void PinToTaskbarOnce(platform::Platform& platform, SettingsFile& userSettings, const std::wstring& productName) {
  switch (userSettings.ReadInteger(SectionInstall, PinToTaskBarKey, 0)) {
    case 0:
      userSettings.WriteInteger(SectionInstall, PinToTaskBarKey, 1);
      break;
    case 1: {
      userSettings.WriteInteger(SectionInstall, PinToTaskBarKey, 2);
      const std::wstring shortcut = PinnedShortcutPath(platform.folders, productName);
      if (shortcut.empty() || !platform.files.FileExists(shortcut)) return;
      for (const wchar_t* verb : {L"TaskbarPin", L"StartPin"})
        platform.shell.Execute(0, verb, shortcut, L"", L"", ShowForPinning);
      break;
    }
    default:
      break;
  }
}

}  // namespace kalvora::settings
