#pragma once
#include <string>

namespace kalvora::platform {

// Shell special-folder identifiers (the system's CSIDL values).
enum class SpecialFolder : int {
  Desktop = 0x0000,
  Programs = 0x0002,
  Personal = 0x0005,  // My Documents
  Startup = 0x0007,
  Recent = 0x0008,
  SendTo = 0x0009,
  StartMenu = 0x000b,
  AppData = 0x001a,
  CommonStartMenu = 0x0016,
  CommonPrograms = 0x0017,
  CommonStartup = 0x0018,
  CommonDocuments = 0x002e,
};

class ShellFolders {
 public:
  virtual ~ShellFolders() = default;
  // The folder's path without a trailing separator, or "" when the shell has none.
  virtual std::wstring SpecialFolderPath(SpecialFolder folder) = 0;
};

}  // namespace kalvora::platform
