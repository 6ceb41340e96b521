#pragma once
#include <cstdint>
#include <string>

#include "platform/WindowHandle.h"

namespace kalvora::platform {

// Show commands for started programs (the system's SW_ values).
enum class ShowCommand : int { Hide = 0, ShowNormal = 1, ShowMinimized = 2, ShowMaximized = 3, Show = 5 };

// Starting documents and programs the shell's way.
class Shell {
 public:
  virtual ~Shell() = default;
  // ShellExecuteW; the result is the system's (greater than 32 on success).
  virtual std::intptr_t Execute(WindowHandle owner, const std::wstring& verb, const std::wstring& file,
                                const std::wstring& parameters, const std::wstring& directory,
                                ShowCommand show) = 0;
};

}  // namespace kalvora::platform
