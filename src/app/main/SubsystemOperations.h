#pragma once

namespace kalvora::app {

// Operations the main window calls that belong to other subsystems. Until a
// subsystem is built its operation is a plain no-op here: it never reports
// success and never changes the window's state. Each override replaces one
// no-op with the real thing.
class SubsystemOperations {
 public:
  virtual ~SubsystemOperations() = default;

  // Recently open folders
  virtual void RefreshRecentFolders() {}
  // Capture of what is open and recently used into a new record
  virtual void RunCapture() {}
  // Items handed over on the command line
  virtual void CommandLineIntake() {}
  // Record library
  virtual void OpenSelectedRecord() {}
  // Replay of the whole record
  virtual void ReplayAll() {}
  // Update check
  virtual void CheckForUpdate() {}
  // Shell integration
  virtual void PinToTaskbarOnce() {}
  virtual void EnsureSendToShortcut() {}
  // Registers or unregisters the program to start with Windows.
  virtual void ApplyStartWithWindows(bool /*wanted*/) {}
  // Unknown until the registry check exists: reported as not registered.
  virtual bool IsStartWithWindows() { return false; }
  // Settings dialog
  virtual void OpenSettingsDialog() {}
  // Drag and drop registration
  virtual void RegisterDropTarget() {}
  virtual void RevokeDropTarget() {}
  // Tree commands
  virtual void OpenSelectedItems() {}
  virtual void OpenSelectedLocations() {}
  virtual void OpenApplicationPath() {}
  virtual void FullExpand() {}
  virtual void FullCollapse() {}
  virtual void CopyFolderLocation() {}
  virtual void CopyFolders() {}
  virtual void PasteShortcut() {}
  virtual void DeleteSelected() {}
  virtual void SearchPanelToggled(bool /*shown*/) {}
  // Searches every record for the search box's text
  virtual void SearchRecords() {}
};

}  // namespace kalvora::app
