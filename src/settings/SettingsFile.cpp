#include "settings/SettingsFile.h"

#include <climits>

#include "common/WideText.h"

namespace kalvora::settings {

std::optional<int> ParseSettingsInteger(std::wstring_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == L' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) negative = text[i++] == L'-';
  unsigned base = 10;
  if (i < text.size() && text[i] == L'$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == L'0' && (text[i + 1] == L'x' || text[i + 1] == L'X')) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) return std::nullopt;
  long long value = 0;
  for (; i < text.size(); ++i) {
    const wchar_t c = text[i];
    unsigned digit;
    if (c >= L'0' && c <= L'9') digit = c - L'0';
    else if (base == 16 && c >= L'a' && c <= L'f') digit = c - L'a' + 10;
    else if (base == 16 && c >= L'A' && c <= L'F') digit = c - L'A' + 10;
    else return std::nullopt;
    value = value * base + digit;
    // Hexadecimal may fill all 32 bits (a negative number); decimal may not overflow.
    if (value > (base == 16 ? 0xFFFFFFFFLL : static_cast<long long>(INT_MAX) + 1)) return std::nullopt;
  }
  if (base == 16 && value > INT_MAX) value = static_cast<int>(static_cast<unsigned>(value));
  if (negative) value = -value;
  if (value > INT_MAX || value < INT_MIN) return std::nullopt;
  return static_cast<int>(value);
}

std::wstring SettingsFile::ReadString(const std::wstring& section, const std::wstring& key,
                                      const std::wstring& def) const {
  return profiles_.ReadString(path_, section, key, def);
}

int SettingsFile::ReadInteger(const std::wstring& section, const std::wstring& key, int def) const {
  const std::wstring text = ReadString(section, key, L"");
  if (text.empty()) return def;
  return ParseSettingsInteger(text).value_or(def);
}

bool SettingsFile::ReadBool(const std::wstring& section, const std::wstring& key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void SettingsFile::WriteString(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
  // A line break would start a key of its own in a file other programs read.
  std::wstring oneLine = value;
  for (auto& c : oneLine)
    if (c == L'\r' || c == L'\n') c = L' ';
  profiles_.WriteString(path_, section, key, oneLine);
}

void SettingsFile::WriteInteger(const std::wstring& section, const std::wstring& key, int value) {
  WriteString(section, key, std::to_wstring(value));
}

void SettingsFile::WriteBool(const std::wstring& section, const std::wstring& key, bool value) {
  WriteString(section, key, value ? L"1" : L"0");
}

}  // namespace kalvora::settings
