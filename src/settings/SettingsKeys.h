#pragma once
#include <array>

#include "settings/SettingsDialog.h"
#include "settings/SettingsFields.h"
#include "settings/SmartFolderSettingsDialog.h"

namespace kalvora::settings {

// The Settings dialog's keys in the [default] section of the user's file, in
// the order they are written. The record folder, the start-up record and the
// record interval come before and after these (SettingsStore): their values
// live outside the dialog or have rules of their own.
inline constexpr std::array<SettingsField<TFrmMySettings>, 13> SettingsDialogFields{{
    // Written for other programs; the registry says whether it is so.
    WrittenFlagField(L"CbRunWhenWS", &TFrmMySettings::CbRunWhenWS),
    FlagField(L"Alwaysontop1", &TFrmMySettings::Alwaysontop1, false),
    FlagField(L"CbWebpage", &TFrmMySettings::CbWebpage, false),
    FlagField(L"CbRecrodRecentDocument", &TFrmMySettings::CbRecrodRecentDocument, true),
    TrackBarField(L"tbRecRecentDoc", &TFrmMySettings::tbRecRecentDoc, TrackBarMax),
    FlagField(L"CbFilterPCStart", &TFrmMySettings::CbFilterPCStart, true),
    FlagField(L"cbDisplayPCStartFilterList", &TFrmMySettings::cbDisplayPCStartFilterList, false),
    ChoiceField(L"RgRecordType", &TFrmMySettings::RgRecordType, 2, 0),
    FlagField(L"CbShowSettingsWhenRecord", &TFrmMySettings::CbShowSettingsWhenRecord, true),
    FlagField(L"CbShowSettingsWhenReplay", &TFrmMySettings::CbShowSettingsWhenReplay, true),
    FlagField(L"CbShowSettingsWhenRecordSmart", &TFrmMySettings::CbShowSettingsWhenRecordSmart, true),
    FlagField(L"RbReplayAllChildDoc", &TFrmMySettings::RbReplayAllChildDoc, false),
    FlagField(L"runasadmin", &TFrmMySettings::cbRunAsAdmin, true),
}};

// The Smart Folder Settings dialog's keys, in the order they are written.
inline constexpr std::array<SettingsField<TFrmSmartFolderSetting>, 4> SmartFolderFields{{
    FlagField(L"CbNotShowAgain", &TFrmSmartFolderSetting::CbNotShowAgain, false),
    FlagField(L"CbRealTimeRecFolder", &TFrmSmartFolderSetting::CbRealTimeRecFolder, true),
    FlagField(L"CbRefreshRecentFolder", &TFrmSmartFolderSetting::CbRefreshRecentFolder, true),
    TrackBarField(L"TrackBarRefreshRecentFolder", &TFrmSmartFolderSetting::TrackBarRefreshRecentFolder, 10),
}};

}  // namespace kalvora::settings
