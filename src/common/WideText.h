#pragma once
#include <string>
#include <string_view>

namespace kalvora::text {

// Removes leading and trailing blanks and control characters (every code <= ' ').
std::wstring Trim(std::wstring_view text);
std::wstring ReplaceAll(std::wstring_view text, std::wstring_view what, std::wstring_view with);
// Letter case folding for the ASCII range; full case mapping goes through the platform.
std::wstring LowerAscii(std::wstring_view text);
bool EqualsIgnoringAsciiCase(std::wstring_view a, std::wstring_view b);
std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

}  // namespace kalvora::text
