#include "platform/win32/Win32SystemText.h"

#include <windows.h>

namespace kalvora::platform::win32 {

std::string Win32SystemText::ToAnsi(std::wstring_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int size = ::WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  if (size > 0) ::WideCharToMultiByte(CP_ACP, 0, text.data(), length, out.data(), size, nullptr, nullptr);
  return out;
}

std::wstring Win32SystemText::FromAnsi(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int length = static_cast<int>(bytes.size());
  const int size = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
  std::wstring out(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
  if (size > 0) ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, out.data(), size);
  return out;
}

std::wstring Win32SystemText::Upper(std::wstring_view text) {
  std::wstring out(text);
  if (!out.empty()) ::CharUpperBuffW(out.data(), static_cast<DWORD>(out.size()));
  return out;
}

std::wstring Win32SystemText::Lower(std::wstring_view text) {
  std::wstring out(text);
  if (!out.empty()) ::CharLowerBuffW(out.data(), static_cast<DWORD>(out.size()));
  return out;
}

}  // namespace kalvora::platform::win32
