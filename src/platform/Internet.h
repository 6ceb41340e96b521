#pragma once
#include <cstddef>
#include <optional>
#include <string>

namespace kalvora::platform {

// Downloads over the system's Internet client (the user's proxy settings).
class Internet {
 public:
  virtual ~Internet() = default;
  // Opens the address, always reloading it from the server, and reads it
  // once, at most maxBytes; the bytes read (possibly none). nullopt when the
  // session or the address cannot be opened.
  virtual std::optional<std::string> ReadFirstBytes(const std::wstring& url, std::size_t maxBytes) = 0;
};

}  // namespace kalvora::platform
