#include "platform/sim/SimInternet.h"

namespace kalvora::platform::sim {

std::optional<std::string> SimInternet::ReadFirstBytes(const std::wstring& url, std::size_t maxBytes) {
  if (offline_) return std::nullopt;
  opened_.push_back(url);
  auto it = pages_.find(url);
  if (it == pages_.end()) return std::nullopt;
  return it->second.substr(0, maxBytes);
}

}  // namespace kalvora::platform::sim
