#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/DdeClient.h"

namespace kalvora::platform::sim {

// DDE servers of the simulated machine. Service, topic and item names match
// ignoring case, as DDE's string handles do; a server answers only the
// items it knows.
class SimDdeClient final : public DdeClient {
 public:
  std::optional<std::wstring> Request(const std::wstring& service, const std::wstring& topic,
                                      const std::wstring& item) override;

  void AddServer(const std::wstring& service, const std::wstring& topic, const std::wstring& item,
                 const std::wstring& reply);
  // The services asked, in order.
  const std::vector<std::wstring>& Asked() const { return asked_; }

 private:
  struct Server {
    std::wstring service, topic, item, reply;
  };
  std::vector<Server> servers_;
  std::vector<std::wstring> asked_;
};

}  // namespace kalvora::platform::sim
