#pragma once
#include <string>

#include "platform/DialogService.h"
#include "settings/TrackBar.h"

namespace kalvora::settings {

// The Settings dialog's controls: the live holders of most user choices.
// Their initial values are the design values the dialog shows before the
// settings are first loaded.
class TFrmMySettings : public platform::DialogState {
 public:
  std::wstring DialogName() const override { return L"TFrmMySettings"; }

  std::wstring EdtRecordPath;  // the record folder as typed
  bool CbRunWhenWS = false;
  bool Alwaysontop1 = false;
  bool CbWebpage = false;
  bool CbRecrodRecentDocument = true;
  TrackBar tbRecRecentDoc{1, 60, 1};
  bool CbFilterPCStart = false;
  bool cbDisplayPCStartFilterList = false;
  int RgRecordType = 0;  // 0 "Create a new file", 1 "Add to exist file"
  bool CbShowSettingsWhenRecord = false;
  bool CbShowSettingsWhenReplay = false;
  bool CbShowSettingsWhenRecordSmart = true;
  bool RbReplayAllChildDoc = false;  // its partner "first child" holds the opposite
  bool cbRunAsAdmin = false;
  TrackBar tbRecordInterval{3, 60, 3};

  bool RbReplayFirstChildDoc() const { return !RbReplayAllChildDoc; }
};

}  // namespace kalvora::settings
