#include "platform/win32/Win32Text.h"

#include "common/WideText.h"
#include "platform/win32/Handles.h"

namespace kalvora::platform::win32 {

std::string SystemMessage(DWORD code) {
  wchar_t* buffer = nullptr;
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
      0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  const OwnedLocalMemory<wchar_t*> owned(buffer);
  std::wstring message;
  if (length != 0 && owned) message.assign(owned.Get(), length);
  while (!message.empty() && (message.back() == L'\r' || message.back() == L'\n' || message.back() == L' '))
    message.pop_back();
  if (message.empty()) return "error " + std::to_string(code);
  return text::WideToUtf8(message);
}

}  // namespace kalvora::platform::win32
