#pragma once
#include <string>

namespace kalvora::platform {

// Private-profile (INI) files, read and written key by key with the
// system's profile rules: sections and keys ignore letter case, values are
// trimmed and lose one pair of surrounding quotes, text is in the ANSI code
// page, and a file comes into being with its first write.
class ProfileFiles {
 public:
  virtual ~ProfileFiles() = default;
  virtual std::wstring ReadString(const std::wstring& file, const std::wstring& section,
                                  const std::wstring& key, const std::wstring& defaultValue) = 0;
  // False when the file could not be written (its folder is missing, say).
  virtual bool WriteString(const std::wstring& file, const std::wstring& section,
                           const std::wstring& key, const std::wstring& value) = 0;
};

}  // namespace kalvora::platform
