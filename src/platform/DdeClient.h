#pragma once
#include <optional>
#include <string>

namespace kalvora::platform {

// A DDE client: one conversation at a time with a server named by service
// and topic, asking for one item as 8-bit text.
class DdeClient {
 public:
  virtual ~DdeClient() = default;
  // The server's reply to a request for the item, decoded with the ANSI code
  // page; nullopt when no server answers the service and topic or the
  // request fails.
  virtual std::optional<std::wstring> Request(const std::wstring& service, const std::wstring& topic,
                                              const std::wstring& item) = 0;
};

}  // namespace kalvora::platform
