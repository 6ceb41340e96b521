#pragma once
#include "platform/ShellLinks.h"

namespace kalvora::platform::win32 {

// The shell's link object (CLSID_ShellLink). Each call makes sure COM is
// initialised on the calling thread, which the object needs.
class Win32ShellLinks final : public ShellLinks {
 public:
  std::wstring ReadTarget(const std::wstring& linkPath) override;
  AnsiLinkRead ReadAnsi(const std::wstring& linkPath, WindowHandle owner) override;
  StatusCode Write(const std::wstring& linkPath, const std::wstring& target,
                   const std::wstring& workingFolder) override;
};

}  // namespace kalvora::platform::win32
