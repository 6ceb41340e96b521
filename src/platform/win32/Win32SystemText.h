#pragma once
#include "platform/SystemText.h"

namespace kalvora::platform::win32 {

// CP_ACP conversions and the system's (CharUpperBuffW) case mapping.
class Win32SystemText final : public SystemText {
 public:
  std::string ToAnsi(std::wstring_view text) override;
  std::wstring FromAnsi(std::string_view bytes) override;
  std::wstring Upper(std::wstring_view text) override;
  std::wstring Lower(std::wstring_view text) override;
};

}  // namespace kalvora::platform::win32
