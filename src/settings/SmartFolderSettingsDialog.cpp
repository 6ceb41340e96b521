#include "settings/SmartFolderSettingsDialog.h"

namespace kalvora::settings {

std::wstring TFrmSmartFolderSetting::Label1Text() const {
  return L"Refresh every " + std::to_wstring(TrackBarRefreshRecentFolder.Position()) + L" seconds";
}

}  // namespace kalvora::settings
