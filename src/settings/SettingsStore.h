#pragma once
#include <string>

#include "platform/Platform.h"
#include "settings/SettingsDialog.h"
#include "settings/SettingsFile.h"
#include "settings/SmartFolderSettingsDialog.h"
#include "settings/TrackBar.h"

namespace kalvora::settings {

// Values of the main window that live in its own fields and controls.
struct MainWindowSettings {
  int StartupRecordIndex = -1;
  int TextSize = 9;
  TrackBar tbRecordInterval{3, 60, 3};  // the hidden tool panel's track bar
  bool cbSmartRecord = false;
  int GbRecListWidth = 120;
};

// The window's normal-state geometry as the settings keep it.
struct WindowGeometry {
  int left = 150;
  int top = 0;
  int width = 420;
  int height = 700;
};

// What the settings cycles need from the rest of the program.
class SettingsIntegration {
 public:
  virtual ~SettingsIntegration() = default;
  // Whether the program is registered to start with Windows.
  virtual bool IsStartWithWindows() = 0;
  // Applies the settings to the running window (always on top, start with
  // Windows, startup filter panel, text size).
  virtual void ApplySettings() = 0;
  // Sets the folder-refresh timer of the main window.
  virtual void ApplyRefreshTimer(unsigned intervalMs, bool enabled) = 0;
};

// Moves values between the two settings files and the controls and fields
// that hold them while the program runs.
class SettingsStore {
 public:
  SettingsStore(platform::Platform& platform, SettingsFile& user, SettingsFile& shared,
                std::wstring userDataFolder, TFrmMySettings& settingsDialog,
                TFrmSmartFolderSetting& smartFolderDialog, MainWindowSettings& window,
                SettingsIntegration& integration);

  void LoadSettings();
  // After the Settings dialog is confirmed.
  void SaveSettings();
  // Reads the smart-folder keys; shows the dialog unless asked not to at
  // start; applies the refresh timer and stores the keys when confirmed.
  void LoadSmartFolderSettings(bool showDialog, platform::WindowHandle owner);
  // At the end of a move or resize and at close. Geometry is written only
  // for a window in the normal state, so a maximised close keeps the last
  // normal geometry.
  void SaveWindowState(bool isNormalState, const WindowGeometry& geometry, int recordListIndex);

  // The stored geometry; the default top puts the window 40 pixels above the
  // screen's bottom.
  bool ReadWindowIsNormal() const;
  WindowGeometry ReadWindowGeometry(int screenHeight) const;

  // The record folder: the Settings dialog's edit text, normalised; the
  // default folder when that text is blank or not an absolute path.
  std::wstring RecordFolder() const;

  // Single writes at the moment of change.
  void WriteMenuBar(bool shown);
  void WriteStatusBar(bool shown);
  void WriteTextSize(int size);
  void WriteRecordListIndex(int index);
  void WriteOpenWindowRequest(int value);
  bool ReadMenuBar() const;
  bool ReadStatusBar() const;
  int ReadRecordListIndex() const;
  int ReadOpenWindowRequest() const;
  bool ReadAlwaysRunAsAdmin() const;

  SettingsFile& UserFile() { return user_; }
  SettingsFile& SharedFile() { return shared_; }

 private:
  platform::Platform& platform_;
  SettingsFile& user_;
  SettingsFile& shared_;
  std::wstring userDataFolder_;
  TFrmMySettings& dialog_;
  TFrmSmartFolderSetting& smart_;
  MainWindowSettings& window_;
  SettingsIntegration& integration_;
};

// Trims and normalises a typed record folder to a folder path with one
// trailing backslash.
std::wstring NormalizeRecordFolder(const std::wstring& typed);
// A drive path ("D:\...") or a network path ("\\server\..."), not one
// relative to the current directory or drive.
bool IsAbsoluteFolder(const std::wstring& folder);

}  // namespace kalvora::settings
