#include "platform/win32/Win32ProfileFiles.h"

#include <windows.h>

#include <vector>

namespace kalvora::platform::win32 {

std::wstring Win32ProfileFiles::ReadString(const std::wstring& file, const std::wstring& section,
                                           const std::wstring& key, const std::wstring& defaultValue) {
  // The API cuts a value that does not fit and then reports size - 1
  // characters; read again with a bigger buffer until it fits.
  std::vector<wchar_t> buffer(1024);
  for (;;) {
    const DWORD size = static_cast<DWORD>(buffer.size());
    const DWORD length = ::GetPrivateProfileStringW(section.c_str(), key.c_str(), defaultValue.c_str(),
                                                    buffer.data(), size, file.c_str());
    if (length < size - 1 || buffer.size() >= (1u << 24)) return std::wstring(buffer.data(), length);
    buffer.resize(buffer.size() * 4);
  }
}

bool Win32ProfileFiles::WriteString(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                                    const std::wstring& value) {
  return ::WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != FALSE;
}

}  // namespace kalvora::platform::win32
