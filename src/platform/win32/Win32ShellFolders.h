#pragma once
#include "platform/ShellFolders.h"

namespace kalvora::platform::win32 {

class Win32ShellFolders final : public ShellFolders {
 public:
  std::wstring SpecialFolderPath(SpecialFolder folder) override;
};

}  // namespace kalvora::platform::win32
