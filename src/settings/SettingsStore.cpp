#include "settings/SettingsStore.h"

#include "common/Guarded.h"
#include "common/WideText.h"
#include "settings/SettingsKeys.h"

namespace kalvora::settings {

namespace {
const std::wstring D = SectionDefault;

// Text sizes beyond this are not a font size anyone set on purpose.
bool IsUsableTextSize(int size) { return size >= 6 && size <= 72; }
}  // namespace

SettingsStore::SettingsStore(platform::Platform& platform, SettingsFile& user, SettingsFile& shared,
                             std::wstring userDataFolder, TFrmMySettings& settingsDialog,
                             TFrmSmartFolderSetting& smartFolderDialog, MainWindowSettings& window,
                             SettingsIntegration& integration)
    : platform_(platform),
      user_(user),
      shared_(shared),
      userDataFolder_(std::move(userDataFolder)),
      dialog_(settingsDialog),
      smart_(smartFolderDialog),
      window_(window),
      integration_(integration) {}

void SettingsStore::LoadSettings() {
  // The folder is still used; saving into it will fail later, not the start.
  Guarded(L"SettingsStore.LoadSettings.CreateDataFolder", [&] {
    if (!platform_.files.DirectoryExists(userDataFolder_)) platform_.files.CreateDirectoryTree(userDataFolder_);
  });
  dialog_.EdtRecordPath = user_.ReadString(D, L"EdtRECPath", userDataFolder_);
  window_.StartupRecordIndex = user_.ReadInteger(D, L"RECIndWhenStartup", -1);
  if (window_.StartupRecordIndex < -1) window_.StartupRecordIndex = -1;
  dialog_.CbRunWhenWS = integration_.IsStartWithWindows();
  ReadFields<TFrmMySettings>(user_, D, SettingsDialogFields, dialog_);
  const int textSize = user_.ReadInteger(D, L"curTextSize", 9);
  window_.TextSize = IsUsableTextSize(textSize) ? textSize : 9;
  window_.tbRecordInterval.SetPosition(user_.ReadInteger(D, L"tbRecordInterval", 7));
  if (window_.tbRecordInterval.Position() < 3) window_.tbRecordInterval.SetPosition(3);
  dialog_.tbRecordInterval.SetPosition(window_.tbRecordInterval.Position());
}

void SettingsStore::SaveSettings() {
  user_.WriteString(D, L"EdtRECPath", dialog_.EdtRecordPath);
  user_.WriteInteger(D, L"RECIndWhenStartup", window_.StartupRecordIndex);
  WriteFields<TFrmMySettings>(user_, D, SettingsDialogFields, dialog_);
  window_.tbRecordInterval.SetPosition(dialog_.tbRecordInterval.Position());
  user_.WriteInteger(D, L"tbRecordInterval", window_.tbRecordInterval.Position());
  integration_.ApplySettings();
}

void SettingsStore::LoadSmartFolderSettings(bool showDialog, platform::WindowHandle owner) {
  // The dialog is a convenience; a failure here must not stop the program.
  Guarded(L"SettingsStore.LoadSmartFolderSettings", [&] {
    ReadFields<TFrmSmartFolderSetting>(user_, D, SmartFolderFields, smart_);
    auto applyTimer = [this] {
      integration_.ApplyRefreshTimer(static_cast<unsigned>(smart_.TrackBarRefreshRecentFolder.Position()) * 1000u,
                                     smart_.CbRealTimeRecFolder);
    };
    if (showDialog && smart_.CbNotShowAgain) {
      applyTimer();
      return;
    }
    if (!platform_.dialogs.ShowModal(owner, smart_)) return;
    applyTimer();
    WriteFields<TFrmSmartFolderSetting>(user_, D, SmartFolderFields, smart_);
  });
}

void SettingsStore::SaveWindowState(bool isNormalState, const WindowGeometry& geometry, int recordListIndex) {
  if (isNormalState) {
    user_.WriteInteger(D, L"Width", geometry.width);
    user_.WriteInteger(D, L"Height", geometry.height);
    user_.WriteInteger(D, L"Left", geometry.left);
    user_.WriteInteger(D, L"Top", geometry.top);
  }
  user_.WriteBool(D, L"cbSmartRecord", window_.cbSmartRecord);
  user_.WriteInteger(D, L"GbRecList", window_.GbRecListWidth);
  user_.WriteInteger(D, L"WindStateInd", isNormalState ? 1 : 0);
  user_.WriteInteger(D, L"LbRECs", recordListIndex);
}

bool SettingsStore::ReadWindowIsNormal() const { return user_.ReadInteger(D, L"WindStateInd", 1) == 1; }

WindowGeometry SettingsStore::ReadWindowGeometry(int screenHeight) const {
  WindowGeometry g;
  // A size that is not positive is not a window anyone left behind.
  const int width = user_.ReadInteger(D, L"Width", 420);
  const int height = user_.ReadInteger(D, L"Height", 700);
  g.width = width > 0 ? width : 420;
  g.height = height > 0 ? height : 700;
  g.left = user_.ReadInteger(D, L"Left", 150);
  g.top = user_.ReadInteger(D, L"Top", screenHeight - g.height - 40);
  return g;
}

std::wstring SettingsStore::RecordFolder() const {
  // A blank or relative folder would follow the current directory, which is
  // wherever the program was started from (System32 when started with
  // Windows): records go to the default folder instead.
  const std::wstring folder = NormalizeRecordFolder(dialog_.EdtRecordPath);
  return IsAbsoluteFolder(folder) ? folder : NormalizeRecordFolder(userDataFolder_);
}

void SettingsStore::WriteMenuBar(bool shown) { user_.WriteBool(D, L"MenuBar1", shown); }
void SettingsStore::WriteStatusBar(bool shown) { user_.WriteBool(D, L"StatusBar1", shown); }
void SettingsStore::WriteTextSize(int size) { user_.WriteInteger(D, L"curTextSize", size); }
void SettingsStore::WriteRecordListIndex(int index) { user_.WriteInteger(D, L"LbRECs", index); }
void SettingsStore::WriteOpenWindowRequest(int value) { shared_.WriteInteger(SectionStatus, L"openwindow", value); }
bool SettingsStore::ReadMenuBar() const { return user_.ReadBool(D, L"MenuBar1", false); }
bool SettingsStore::ReadStatusBar() const { return user_.ReadBool(D, L"StatusBar1", false); }
int SettingsStore::ReadRecordListIndex() const { return user_.ReadInteger(D, L"LbRECs", 0); }
int SettingsStore::ReadOpenWindowRequest() const { return shared_.ReadInteger(SectionStatus, L"openwindow", 0); }
bool SettingsStore::ReadAlwaysRunAsAdmin() const { return shared_.ReadBool(D, L"AlwaysRunAsAdmin", false); }

bool IsAbsoluteFolder(const std::wstring& folder) {
  if (folder.size() >= 3 && folder[1] == L':' && folder[2] == L'\\')
    return (folder[0] >= L'A' && folder[0] <= L'Z') || (folder[0] >= L'a' && folder[0] <= L'z');
  // A network folder needs a server name after its leading pair.
  return folder.size() > 3 && folder.starts_with(L"\\\\") && folder[2] != L'\\';
}

std::wstring NormalizeRecordFolder(const std::wstring& typed) {
  std::wstring folder = text::Trim(typed);
  if (folder.empty()) return folder;
  if (folder.starts_with(L"\\\\")) {
    // A network folder keeps its leading pair; it still needs its trailing
    // separator, or record names would run into the share name.
    if (folder.back() != L'\\') folder += L'\\';
    return folder;
  }
  folder += L'\\';
  folder = text::ReplaceAll(folder, L"\\\\\\", L"\\");
  folder = text::ReplaceAll(folder, L"\\\\", L"\\");
  return folder;
}

}  // namespace kalvora::settings
