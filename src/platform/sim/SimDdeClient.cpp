#include "platform/sim/SimDdeClient.h"

#include "platform/sim/SimText.h"

namespace kalvora::platform::sim {

std::optional<std::wstring> SimDdeClient::Request(const std::wstring& service, const std::wstring& topic,
                                                  const std::wstring& item) {
  asked_.push_back(service);
  for (const Server& server : servers_)
    if (EqualsFolded(server.service, service) && EqualsFolded(server.topic, topic) &&
        EqualsFolded(server.item, item))
      return FromAnsi(ToAnsi(server.reply));  // the reply travels as 8-bit text
  return std::nullopt;
}

void SimDdeClient::AddServer(const std::wstring& service, const std::wstring& topic, const std::wstring& item,
                             const std::wstring& reply) {
  servers_.push_back(Server{service, topic, item, reply});
}

}  // namespace kalvora::platform::sim
