#pragma once
#include <cstdint>
#include <string>

#include "platform/Shell.h"
#include "platform/WindowHandle.h"

namespace kalvora::platform {

// Shell places that are not files (My Computer, Control Panel, ...) and the
// plain command-line starts that some of them need.
class ShellPlaces {
 public:
  virtual ~ShellPlaces() = default;
  // Opens the place of this CSIDL number through its item list, verb "open".
  // False when the shell has no such place or refuses to open it.
  virtual bool OpenSpecialFolder(int csidl, WindowHandle owner) = 0;
  // WinExec of the command line (passed in the ANSI code page); the system's
  // result, greater than 31 on success.
  virtual std::uintptr_t RunCommandLine(const std::wstring& commandLine, ShowCommand show) = 0;
  // The system folder (GetSystemDirectoryA), without a trailing backslash.
  virtual std::wstring SystemDirectory() = 0;
};

}  // namespace kalvora::platform
