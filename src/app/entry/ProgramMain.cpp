#include "app/entry/ProgramMain.h"

#include "app/entry/Elevation.h"
#include "resolve/SystemQueries.h"
#include "settings/SettingsFile.h"

namespace kalvora::app {

ProgramResult ProgramMain(platform::Platform& platform, MainWindowHost& host, SecondStartHandOff& handOff) {
  const CommandLine commandLine(platform.system.ProgramFilePath(), platform.system.CommandLineArguments());
  const DataFolders folders = DataFolders::Locate(platform.folders);

  // The main window does not exist yet; it records itself in the slot once created.
  InstanceSlot slot(platform.sharedMemory, platform.windows);
  if (slot.TakeInstanceSlot(commandLine.ProgramPath(), 0, 1)) {
    handOff.SendToRunningInstance(commandLine, folders);
    return {StartOutcome::HandedOver, 0};
  }

  EnsureDataFolders(platform.files, folders);
  settings::SettingsFile userSettings(platform.profiles, folders.userData + settings::SettingsFileName);
  settings::SettingsFile sharedSettings(platform.profiles, folders.sharedData + settings::SettingsFileName);

  StartupFlags flags;
  if (NeedsElevatedRestart(commandLine, sharedSettings, flags)) {
    StartElevatedRestart(platform.shell, commandLine);
    return {StartOutcome::RestartedElevated, 0};
  }

  resolve::Wow64State wow64(platform.system);
  wow64.IsWow64();
  MainWindowContext context{platform, commandLine, flags, wow64, userSettings, sharedSettings, folders};
  const int exitCode = host.Run(context, slot);
  slot.ReleaseInstanceSlot();
  return {StartOutcome::RanMainWindow, exitCode};
}

}  // namespace kalvora::app
