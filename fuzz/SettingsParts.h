#pragma once
// The settings side of the program on the simulated machine, without a
// window: the two settings files, the dialogs that hold their values and a
// store over them.
#include <string>

#include "settings/SettingsFile.h"
#include "settings/SettingsStore.h"

namespace kalvora::fuzz {

class StillIntegration final : public settings::SettingsIntegration {
 public:
  bool IsStartWithWindows() override { return false; }
  void ApplySettings() override {}
  void ApplyRefreshTimer(unsigned intervalMs, bool enabled) override {
    timerMs = intervalMs;
    timerOn = enabled;
  }
  unsigned timerMs = 0;
  bool timerOn = false;
};

struct SettingsParts {
  static constexpr const wchar_t* kUserFolder = L"C:\\Users\\joe\\AppData\\Roaming\\Kalvora\\";
  static constexpr const wchar_t* kSharedFolder = L"C:\\ProgramData\\Kalvora\\";

  explicit SettingsParts(platform::Platform& platform)
      : user(platform.profiles, std::wstring(kUserFolder) + settings::SettingsFileName),
        shared(platform.profiles, std::wstring(kSharedFolder) + settings::SettingsFileName),
        store(platform, user, shared, kUserFolder, dialog, smart, window, integration) {}

  settings::SettingsFile user;
  settings::SettingsFile shared;
  settings::TFrmMySettings dialog;
  settings::TFrmSmartFolderSetting smart;
  settings::MainWindowSettings window;
  StillIntegration integration;
  settings::SettingsStore store;
};

}  // namespace kalvora::fuzz
