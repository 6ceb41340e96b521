#pragma once
#include <optional>
#include <string>

namespace kalvora::platform {

// The Windows Installer's side of advertised shortcuts. Both calls live in
// msi.dll, which is looked up when first needed; without it both fail.
class Installer {
 public:
  virtual ~Installer() = default;
  // MsiGetShortcutTargetA without product code and feature: the component
  // code of an advertised shortcut, nullopt when the call fails.
  virtual std::optional<std::string> ShortcutComponent(const std::string& linkPath) = 0;
  // MsiLocateComponentA into a MAX_PATH buffer that holds `buffer` before
  // the call; returns the buffer's content after it, whatever the
  // component's state (an unknown component leaves the buffer as it was).
  virtual std::string LocateComponent(const std::string& componentCode, const std::string& buffer) = 0;
};

}  // namespace kalvora::platform
