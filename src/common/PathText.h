#pragma once
#include <string>
#include <string_view>

// Text rules on paths and command lines that need nothing of the system.
namespace kalvora::text {

// The file name with its extension: the part after the last "\" or ":".
std::wstring FileName(std::wstring_view path);
// The extension with its dot: the part from the last "." that comes after
// the last "\" or ":"; "" when the name has no dot.
std::wstring FileExtension(std::wstring_view path);
// For a text that begins with a double quote, the part up to the next one
// ("" when there is none); any other text as it is.
std::wstring UnquotePath(std::wstring_view text);
// The path without its extension; a path without one comes back as it is.
std::wstring PathWithoutExtension(std::wstring_view path);
// The text before the last "."; "" when there is no dot.
std::wstring NameBeforeLastDot(std::wstring_view text);
// Drops one trailing backslash.
std::wstring StripTrailingBackslash(std::wstring_view path);
// True for a text holding a character no path may hold: ? * " > < |
bool HasInvalidPathChars(std::wstring_view text);

}  // namespace kalvora::text
