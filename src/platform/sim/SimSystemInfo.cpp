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

namespace kalvora::platform::sim {

unsigned long long SimSystemInfo::UtcNowFileTime() {
  // Days from 1601-01-01 to the civil date (proleptic Gregorian calendar).
  auto daysFrom1601 = [](int y, int m, int d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const long long daysFrom1970 = era * 146097 + doe - 719468;
    return daysFrom1970 + 134774;  // 1601-01-01 is 134774 days before 1970-01-01
  };
  const long long days = daysFrom1601(clock_.year, clock_.month, clock_.day);
  const long long seconds = days * 86400LL + clock_.hour * 3600LL + clock_.minute * 60LL + clock_.second;
  return static_cast<unsigned long long>(seconds) * 10000000ULL +
         static_cast<unsigned long long>(clock_.millisecond) * 10000ULL;
}

}  // namespace kalvora::platform::sim
