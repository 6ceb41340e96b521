#pragma once
#include "platform/Environment.h"

namespace kalvora::platform::win32 {

class Win32Environment final : public Environment {
 public:
  std::wstring Get(const std::wstring& name) override;
};

}  // namespace kalvora::platform::win32
