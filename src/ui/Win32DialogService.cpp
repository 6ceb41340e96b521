#include "ui/Win32DialogService.h"

#include <windows.h>
// The service's method has the same name as the system's macro.

#include "app/main/AboutDialog.h"
#include "settings/SmartFolderSettingsDialog.h"
#include "ui/AboutBox.h"
#include "ui/SmartFolderSettingsBox.h"

namespace kalvora::ui {

namespace {
HWND ToHwnd(platform::WindowHandle window) { return reinterpret_cast<HWND>(window); }
}  // namespace

bool Win32DialogService::ShowModal(platform::WindowHandle owner, platform::DialogState& state) {
  const std::wstring name = state.DialogName();
  if (name == L"TFrmSmartFolderSetting") {
    if (auto* smartFolder = dynamic_cast<settings::TFrmSmartFolderSetting*>(&state))
      return ShowSmartFolderSettings(ToHwnd(owner), *smartFolder);
  } else if (name == L"TAboutBox") {
    if (auto* about = dynamic_cast<app::TAboutBox*>(&state)) {
      ShowAboutBox(ToHwnd(owner), *about);
      return true;
    }
  }
  return false;
}

int Win32DialogService::ShowMessageBox(platform::WindowHandle owner, const std::wstring& text,
                                   const std::wstring& caption, unsigned flags) {
  return ::MessageBoxW(ToHwnd(owner), text.c_str(), caption.c_str(), flags);
}

}  // namespace kalvora::ui
