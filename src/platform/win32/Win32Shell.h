#pragma once
#include "platform/Shell.h"

namespace kalvora::platform::win32 {

class Win32Shell final : public Shell {
 public:
  std::intptr_t Execute(WindowHandle owner, const std::wstring& verb, const std::wstring& file,
                        const std::wstring& parameters, const std::wstring& directory, ShowCommand show) override;
};

}  // namespace kalvora::platform::win32
