#pragma once
#include "platform/Drives.h"

namespace kalvora::platform::win32 {

class Win32Drives final : public Drives {
 public:
  unsigned DriveType(const std::wstring& root) override;
};

}  // namespace kalvora::platform::win32
