#pragma once
#include <functional>

#include "platform/MessagePump.h"

namespace kalvora::platform::sim {

// Runs the test's hook each time the program lets messages run, so that a
// timer or a command can fire in the middle of a long operation.
class SimMessagePump final : public MessagePump {
 public:
  void ProcessMessages() override;
  void SetHook(std::function<void()> hook) { hook_ = std::move(hook); }
  int Calls() const { return calls_; }

 private:
  std::function<void()> hook_;
  int calls_ = 0;
  bool running_ = false;
};

}  // namespace kalvora::platform::sim
