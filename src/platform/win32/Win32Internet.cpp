#include "platform/win32/Win32Internet.h"

#include <windows.h>
#include <wininet.h>

#include "platform/win32/Handles.h"

namespace kalvora::platform::win32 {

std::optional<std::string> Win32Internet::ReadFirstBytes(const std::wstring& url, std::size_t maxBytes) {
  const OwnedInternet session(::InternetOpenW(L"", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!session) return std::nullopt;
  const OwnedInternet request(::InternetOpenUrlW(session.Get(), url.c_str(), nullptr, 0, INTERNET_FLAG_RELOAD, 0));
  if (!request) return std::nullopt;
  std::string bytes(maxBytes, '\0');
  DWORD read = 0;
  if (!::InternetReadFile(request.Get(), bytes.data(), static_cast<DWORD>(maxBytes), &read)) read = 0;
  bytes.resize(read);
  return bytes;
}

}  // namespace kalvora::platform::win32
