#pragma once
#include "platform/ShellWindows.h"

namespace kalvora::platform::win32 {

class Win32ShellWindows final : public ShellWindows {
 public:
  bool OpenWindows(std::vector<ShellWindow>& windows) override;
};

}  // namespace kalvora::platform::win32
