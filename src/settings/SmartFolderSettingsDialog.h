#pragma once
#include <string>

#include "platform/DialogService.h"
#include "settings/TrackBar.h"

namespace kalvora::settings {

// The Smart Folder Settings dialog: its controls are the live holders of the
// folder-recording settings while the program runs.
class TFrmSmartFolderSetting : public platform::DialogState {
 public:
  std::wstring DialogName() const override { return L"TFrmSmartFolderSetting"; }

  static constexpr const wchar_t* Caption = L"Smart Folder Settings";
  static constexpr const wchar_t* RealTimeRecFolderText = L"Real-time recording Running Folders";
  static constexpr const wchar_t* RefreshRecentFolderText = L"&Adding Recently Open Folders to Tree View";
  static constexpr const wchar_t* NotShowAgainText = L"Don't show again";
  static constexpr const wchar_t* ConfirmText = L"&Confirm";
  static constexpr const wchar_t* CancelText = L"Ca&ncel";

  bool CbRealTimeRecFolder = true;
  bool CbRefreshRecentFolder = true;
  TrackBar TrackBarRefreshRecentFolder{7, 60, 7};
  bool CbNotShowAgain = false;

  // The track bar's label: "Refresh every 10 seconds".
  std::wstring Label1Text() const;
};

}  // namespace kalvora::settings
