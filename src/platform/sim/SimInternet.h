#pragma once
#include <map>
#include <string>
#include <vector>

#include "platform/Internet.h"

namespace kalvora::platform::sim {

// Web servers of the simulated network: an address gives the bytes a test
// put there; any other address cannot be opened.
class SimInternet final : public Internet {
 public:
  std::optional<std::string> ReadFirstBytes(const std::wstring& url, std::size_t maxBytes) override;

  void SetPage(const std::wstring& url, std::string bytes) { pages_[url] = std::move(bytes); }
  // No Internet session can be opened at all.
  void SetOffline(bool offline) { offline_ = offline; }
  // The addresses opened, in order.
  const std::vector<std::wstring>& Opened() const { return opened_; }

 private:
  std::map<std::wstring, std::string> pages_;
  std::vector<std::wstring> opened_;
  bool offline_ = false;
};

}  // namespace kalvora::platform::sim
