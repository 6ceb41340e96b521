#pragma once
#include "platform/Internet.h"

namespace kalvora::platform::win32 {

class Win32Internet final : public Internet {
 public:
  std::optional<std::string> ReadFirstBytes(const std::wstring& url, std::size_t maxBytes) override;
};

}  // namespace kalvora::platform::win32
