#pragma once
#include "platform/Installer.h"

namespace kalvora::platform::win32 {

// msi.dll, looked up at run time through DynamicLibraries.
class Win32Installer final : public Installer {
 public:
  std::optional<std::string> ShortcutComponent(const std::string& linkPath) override;
  std::string LocateComponent(const std::string& componentCode, const std::string& buffer) override;
};

}  // namespace kalvora::platform::win32
