#pragma once
#include "app/entry/CommandLine.h"
#include "app/entry/DataFolders.h"
#include "app/entry/InstanceSlot.h"
#include "app/main/TRevistoWindow.h"
#include "platform/Platform.h"

namespace kalvora::app {

// Creates the real main window, shows it and runs the message loop until it
// closes; returns the exit code. The Win32 user interface provides it.
class MainWindowHost {
 public:
  virtual ~MainWindowHost() = default;
  virtual int Run(MainWindowContext& context, InstanceSlot& slot) = 0;
};

// Passes a second start's arguments to the running instance.
class SecondStartHandOff {
 public:
  virtual ~SecondStartHandOff() = default;
  virtual void SendToRunningInstance(const CommandLine& /*commandLine*/, const DataFolders& /*folders*/) {}
};

// What happened at start, for the caller and for tests.
enum class StartOutcome { HandedOver, RestartedElevated, RanMainWindow };

struct ProgramResult {
  StartOutcome outcome = StartOutcome::RanMainWindow;
  int exitCode = 0;
};

// The start of the program: one instance per program file, the settings
// files, the elevated restart, then the main window and its message loop.
ProgramResult ProgramMain(platform::Platform& platform, MainWindowHost& host, SecondStartHandOff& handOff);

}  // namespace kalvora::app
