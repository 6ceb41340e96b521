#pragma once
#include <functional>
#include <string>
#include <vector>

#include "app/main/SubsystemOperations.h"

namespace kalvora::testing {

// Records the other subsystems' operations in the order the window calls them.
class RecordingOperations : public app::SubsystemOperations {
 public:
  std::vector<std::string> calls;
  // Runs inside an operation, e.g. to check state the window set before it.
  std::function<void(const std::string&)> onCall;

  void RefreshRecentFolders() override { Note("RefreshRecentFolders"); }
  void RunCapture() override { Note("RunCapture"); }
  void CommandLineIntake() override { Note("CommandLineIntake"); }
  void OpenSelectedRecord() override { Note("OpenSelectedRecord"); }
  void ReplayAll() override { Note("ReplayAll"); }
  void CheckForUpdate() override { Note("CheckForUpdate"); }
  void PinToTaskbarOnce() override { Note("PinToTaskbarOnce"); }
  void EnsureSendToShortcut() override { Note("EnsureSendToShortcut"); }
  void ApplyStartWithWindows(bool wanted) override { Note(wanted ? "ApplyStartWithWindows(1)" : "ApplyStartWithWindows(0)"); }
  void OpenSettingsDialog() override { Note("OpenSettingsDialog"); }
  void RegisterDropTarget() override { Note("RegisterDropTarget"); }
  void RevokeDropTarget() override { Note("RevokeDropTarget"); }

 private:
  void Note(const std::string& name) {
    calls.push_back(name);
    if (onCall) onCall(name);
  }
};

}  // namespace kalvora::testing
