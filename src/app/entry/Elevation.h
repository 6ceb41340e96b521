#pragma once
#include "app/entry/CommandLine.h"
#include "platform/Platform.h"
#include "settings/SettingsFile.h"

namespace kalvora::app {

// Flags set once at start and read elsewhere.
struct StartupFlags {
  bool StartedElevated = false;  // the last argument is "/runasadmin"
  bool ReplayAtStart = false;    // the first argument asks for the start-up replay
};

// Whether the shared settings demand an elevated restart. Also sets
// StartedElevated. An elevated instance ("/runasadmin" last), a context-menu
// start ("/ctmenu" last) and "/run_admin" last never restart.
bool NeedsElevatedRestart(const CommandLine& commandLine, const settings::SettingsFile& sharedSettings,
                          StartupFlags& flags);

// Starts the elevation companion from the program's folder with the first
// argument as its only parameter. Its result is not checked: the caller ends
// either way.
void StartElevatedRestart(platform::Shell& shell, const CommandLine& commandLine);

// One argument written so that the system's command-line splitting gives it
// back whole: quoted when it holds blanks or quotes, inner quotes escaped.
std::wstring QuoteArgument(const std::wstring& argument);

// The folder of a program file path, with its trailing backslash.
std::wstring ProgramFolder(const std::wstring& programPath);

}  // namespace kalvora::app
