#pragma once
#include "platform/ShellPlaces.h"

namespace kalvora::platform::win32 {

class Win32ShellPlaces final : public ShellPlaces {
 public:
  bool OpenSpecialFolder(int csidl, WindowHandle owner) override;
  std::uintptr_t RunCommandLine(const std::wstring& commandLine, ShowCommand show) override;
  std::wstring SystemDirectory() override;
};

}  // namespace kalvora::platform::win32
