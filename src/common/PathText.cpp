#include "common/PathText.h"

#include <string>

#include "common/WideText.h"

namespace kalvora::text {
namespace {

// Index of the extension's dot, or npos.
std::size_t ExtensionDot(std::wstring_view path) {
  const std::size_t last = path.find_last_of(L".\\:");
  return last != std::wstring_view::npos && path[last] == L'.' ? last : std::wstring_view::npos;
}

}  // namespace

std::wstring FileName(std::wstring_view path) {
  const std::size_t cut = path.find_last_of(L"\\:");
  return std::wstring(cut == std::wstring_view::npos ? path : path.substr(cut + 1));
}

std::wstring FileExtension(std::wstring_view path) {
  const std::size_t dot = ExtensionDot(path);
  return dot == std::wstring_view::npos ? std::wstring() : std::wstring(path.substr(dot));
}

std::wstring UnquotePath(std::wstring_view text) {
  if (text.empty() || text.front() != L'"') return std::wstring(text);
  const std::size_t close = text.find(L'"', 1);
  if (close == std::wstring_view::npos) return {};
  return std::wstring(text.substr(1, close - 1));
}

std::wstring PathWithoutExtension(std::wstring_view path) {
  const std::size_t dot = ExtensionDot(path);
  return std::wstring(dot == std::wstring_view::npos ? path : path.substr(0, dot));
}

std::wstring NameBeforeLastDot(std::wstring_view text) {
  const std::size_t dot = text.rfind(L'.');
  return dot == std::wstring_view::npos ? std::wstring() : std::wstring(text.substr(0, dot));
}

std::wstring StripTrailingBackslash(std::wstring_view path) {
  if (!path.empty() && path.back() == L'\\') path.remove_suffix(1);
  return std::wstring(path);
}

bool HasInvalidPathChars(std::wstring_view text) { return text.find_first_of(L"?*\"><|") != std::wstring_view::npos; }

bool IsFileUrl(std::wstring_view text) {
  constexpr std::wstring_view scheme = L"file:";
  if (text.size() < scheme.size()) return false;
  for (std::size_t i = 0; i < scheme.size(); ++i)
    if ((text[i] | 0x20) != scheme[i]) return false;
  return true;
}

namespace {

int HexValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

}  // namespace

std::wstring DecodeUrlEscapes(std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size());
  std::string bytes;  // a run of escapes, one UTF-8 sequence or more
  auto flush = [&] {
    if (bytes.empty()) return;
    out += Utf8ToWide(bytes);
    bytes.clear();
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int high = text[i] == L'%' && i + 2 < text.size() ? HexValue(text[i + 1]) : -1;
    const int low = high >= 0 ? HexValue(text[i + 2]) : -1;
    // Control characters stay escaped: no path may hold them.
    if (low >= 0 && high * 16 + low >= 0x20) {
      bytes += static_cast<char>(high * 16 + low);
      i += 2;
      continue;
    }
    flush();
    out += text[i];
  }
  flush();
  return out;
}

std::wstring FileUrlToPath(std::wstring_view url) {
  if (!IsFileUrl(url)) return std::wstring(url);
  std::wstring_view rest = url.substr(5);
  std::wstring path;
  if (rest.starts_with(L"///")) {
    path = DecodeUrlEscapes(rest.substr(3));  // "file:///C:/a" names C:\a
  } else if (rest.starts_with(L"//")) {
    path = L"//" + DecodeUrlEscapes(rest.substr(2));  // "file://server/share" names \\server\share
  } else {
    path = DecodeUrlEscapes(rest);
  }
  for (wchar_t& c : path)
    if (c == L'/') c = L'\\';
  return path;
}

bool IsPathInFolder(std::wstring_view path, std::wstring_view folder) {
  while (!folder.empty() && (folder.back() == L'\\' || folder.back() == L'/')) folder.remove_suffix(1);
  if (folder.empty() || !path.starts_with(folder)) return false;
  return path.size() == folder.size() || path[folder.size()] == L'\\' || path[folder.size()] == L'/';
}

}  // namespace kalvora::text
