#include "platform/sim/SimSystemInfo.h"

#include <algorithm>
#include <cstdint>

namespace kalvora::platform::sim {

std::optional<bool> SimSystemInfo::DisableWow64FsRedirection(RedirectionToken& token) {
  if (!redirectionAvailable_) return std::nullopt;
  ++disables_;
  ++depth_;
  // Distinct non-null tokens so that reverting with the wrong one shows up.
  token = reinterpret_cast<RedirectionToken>(static_cast<std::uintptr_t>(0x5000 + disables_));
  openTokens_.push_back(token);
  return true;
}

std::optional<bool> SimSystemInfo::RevertWow64FsRedirection(RedirectionToken token) {
  if (!redirectionAvailable_) return std::nullopt;
  auto it = std::find(openTokens_.begin(), openTokens_.end(), token);
  if (it == openTokens_.end()) return false;
  openTokens_.erase(it);
  --depth_;
  return true;
}

std::optional<std::string> SimSystemInfo::ProcessImageFileName(void* process) {
  if (!imageNameAvailable_) return std::nullopt;
  auto it = imageNames_.find(process);
  return it == imageNames_.end() ? std::string() : it->second;
}

}  // namespace kalvora::platform::sim
