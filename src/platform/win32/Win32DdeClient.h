#pragma once
#include "platform/DdeClient.h"
#include "platform/win32/Handles.h"

namespace kalvora::platform::win32 {

// One DDEML client instance, made on the first request and kept for the
// life of the object; each request opens and closes its own conversation.
class Win32DdeClient final : public DdeClient {
 public:
  Win32DdeClient() = default;
  Win32DdeClient(const Win32DdeClient&) = delete;
  Win32DdeClient& operator=(const Win32DdeClient&) = delete;
  std::optional<std::wstring> Request(const std::wstring& service, const std::wstring& topic,
                                      const std::wstring& item) override;

 private:
  OwnedDdeInstance instance_;
};

}  // namespace kalvora::platform::win32
