#pragma once
#include <windows.h>

#include "settings/SmartFolderSettingsDialog.h"

namespace kalvora::ui {

// The Smart Folder Settings dialog. Its controls write into the state as
// they change, and once more when the dialog closes either way. True when
// the user confirmed.
bool ShowSmartFolderSettings(HWND owner, settings::TFrmSmartFolderSetting& state);

}  // namespace kalvora::ui
