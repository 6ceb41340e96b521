#pragma once
#include <memory>
#include <string>
#include <vector>

#include "app/entry/CommandLine.h"
#include "app/entry/DataFolders.h"
#include "app/entry/Elevation.h"
#include "resolve/SystemQueries.h"
#include "app/main/TRevistoWindow.h"
#include "platform/sim/SimMachine.h"
#include "platform/sim/SimProcess.h"
#include "settings/SettingsFile.h"
#include "support/FakeMainWindowView.h"

namespace kalvora::testing {

// One program start on a simulated machine, up to a created main window.
class WindowHarness {
 public:
  explicit WindowHarness(std::vector<std::wstring> arguments = {},
                         std::wstring programFile = platform::sim::SimProcess::kDefaultProgramFile)
      : process(machine, std::move(arguments), std::move(programFile)), platform(process.Platform()) {}

  // The user settings file as the program finds it.
  std::wstring UserSettingsPath() { return Folders().userData + L"defualt.ini"; }
  std::wstring SharedSettingsPath() { return Folders().sharedData + L"defualt.ini"; }
  app::DataFolders Folders() { return app::DataFolders::Locate(platform.folders); }

  void SetUserKey(const std::wstring& key, const std::wstring& value, const std::wstring& section = L"default") {
    machine.files().CreateDirectoryTree(Folders().userData);
    machine.profiles().WriteString(UserSettingsPath(), section, key, value);
  }
  void SetSharedKey(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
    machine.files().CreateDirectoryTree(Folders().sharedData);
    machine.profiles().WriteString(SharedSettingsPath(), section, key, value);
  }
  std::wstring UserKey(const std::wstring& key, const std::wstring& section = L"default") {
    return machine.profiles().ReadString(UserSettingsPath(), section, key, L"<missing>");
  }

  // Builds the window the way the program entry does (settings files, flags).
  app::TRevistoWindow& Window() {
    if (!window) {
      commandLine = std::make_unique<app::CommandLine>(platform.system.ProgramFilePath(),
                                                       platform.system.CommandLineArguments());
      const auto folders = Folders();
      app::EnsureDataFolders(platform.files, folders);
      user = std::make_unique<settings::SettingsFile>(platform.profiles, folders.userData + L"defualt.ini");
      shared = std::make_unique<settings::SettingsFile>(platform.profiles, folders.sharedData + L"defualt.ini");
      wow64 = std::make_unique<resolve::Wow64State>(platform.system);
      window = std::make_unique<app::TRevistoWindow>(
          app::MainWindowContext{platform, *commandLine, flags, *wow64, *user, *shared, folders}, view);
      view.onTimer = [this](app::TimerId timer) { window->OnTimer(timer); };
    }
    return *window;
  }

  // Creates the window with the Smart Folder Settings dialog answered.
  app::TRevistoWindow& Create() {
    Window().FormCreate();
    return *window;
  }

  platform::sim::SimMachine machine;
  platform::sim::SimProcess process;
  platform::Platform platform;
  FakeMainWindowView view;
  app::StartupFlags flags;
  std::unique_ptr<app::CommandLine> commandLine;
  std::unique_ptr<settings::SettingsFile> user;
  std::unique_ptr<settings::SettingsFile> shared;
  std::unique_ptr<resolve::Wow64State> wow64;
  std::unique_ptr<app::TRevistoWindow> window;
};

// Confirms the Smart Folder Settings dialog, optionally ticking "Don't show again".
inline bool ConfirmSmartFolderDialog(platform::DialogState& state, bool notShowAgain) {
  auto* dialog = dynamic_cast<settings::TFrmSmartFolderSetting*>(&state);
  if (!dialog) return false;
  dialog->CbNotShowAgain = notShowAgain;
  return true;
}

}  // namespace kalvora::testing
