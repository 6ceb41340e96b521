#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "platform/ProfileFiles.h"

namespace kalvora::settings {

// The name of both settings files (spelled so; other programs look for it).
inline constexpr const wchar_t* SettingsFileName = L"defualt.ini";
inline constexpr const wchar_t* SectionDefault = L"default";
inline constexpr const wchar_t* SectionInstall = L"install";
inline constexpr const wchar_t* SectionStatus = L"status";

// Reads an integer as the settings files store it: decimal with an optional
// sign, or hexadecimal after "0x" or "$"; anything else is not a number.
std::optional<int> ParseSettingsInteger(std::wstring_view text);

// One settings file, read and written key by key. Booleans are "1"/"0" and
// read as integers (non-zero is true); integers are decimal; a missing or
// unreadable value gives the default.
class SettingsFile {
 public:
  SettingsFile(platform::ProfileFiles& profiles, std::wstring path) : profiles_(profiles), path_(std::move(path)) {}

  const std::wstring& Path() const { return path_; }
  std::wstring ReadString(const std::wstring& section, const std::wstring& key, const std::wstring& def) const;
  int ReadInteger(const std::wstring& section, const std::wstring& key, int def) const;
  bool ReadBool(const std::wstring& section, const std::wstring& key, bool def) const;
  void WriteString(const std::wstring& section, const std::wstring& key, const std::wstring& value);
  void WriteInteger(const std::wstring& section, const std::wstring& key, int value);
  void WriteBool(const std::wstring& section, const std::wstring& key, bool value);

 private:
  platform::ProfileFiles& profiles_;
  std::wstring path_;
};

}  // namespace kalvora::settings
