#include "common/PathText.h"

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

}  // namespace kalvora::text
