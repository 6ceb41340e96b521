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

// Begins with "file:" in any letter case.
bool IsFileUrl(std::wstring_view text);
// Every "%XX" escape decoded once (the bytes read as UTF-8), so "%2523"
// gives "%23"; a "%" not followed by two hex digits, or escaping a control
// character, stays as it is.
std::wstring DecodeUrlEscapes(std::wstring_view text);
// The path a file URL names, decoded once: "file:///D:/C%23%20code" gives
// "D:\C# code", "file://server/share" gives "\\server\share". Any other
// text comes back as it is.
std::wstring FileUrlToPath(std::wstring_view url);
// The folder holds the path, or is the path itself, taking a "\" or "/" as
// the only boundary: "C:\Docs" holds "C:\Docs\a" and "C:\Docs\" but not
// "C:\DocsOld". Both are compared as given, so fold their case first.
bool IsPathInFolder(std::wstring_view path, std::wstring_view folder);

}  // namespace kalvora::text
