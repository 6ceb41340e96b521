#include "platform/win32/Win32Internet.h"

#include <windows.h>
#include <wininet.h>

namespace kalvora::platform::win32 {
namespace {

class InternetHandle {
 public:
  explicit InternetHandle(HINTERNET handle) : handle_(handle) {}
  ~InternetHandle() {
    if (handle_ != nullptr) ::InternetCloseHandle(handle_);
  }
  InternetHandle(const InternetHandle&) = delete;
  InternetHandle& operator=(const InternetHandle&) = delete;
  HINTERNET get() const { return handle_; }

 private:
  HINTERNET handle_;
};

}  // namespace

std::optional<std::string> Win32Internet::ReadFirstBytes(const std::wstring& url, std::size_t maxBytes) {
  InternetHandle session(::InternetOpenW(L"", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (session.get() == nullptr) return std::nullopt;
  InternetHandle request(::InternetOpenUrlW(session.get(), url.c_str(), nullptr, 0, INTERNET_FLAG_RELOAD, 0));
  if (request.get() == nullptr) return std::nullopt;
  std::string bytes(maxBytes, '\0');
  DWORD read = 0;
  if (!::InternetReadFile(request.get(), bytes.data(), static_cast<DWORD>(maxBytes), &read)) read = 0;
  bytes.resize(read);
  return bytes;
}

}  // namespace kalvora::platform::win32
