#pragma once
#include "platform/ProfileFiles.h"

namespace kalvora::platform::win32 {

// The system's own profile API, so that other programs reading and writing
// the same files see exactly what we see.
class Win32ProfileFiles final : public ProfileFiles {
 public:
  std::wstring ReadString(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                          const std::wstring& defaultValue) override;
  bool WriteString(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                   const std::wstring& value) override;
};

}  // namespace kalvora::platform::win32
