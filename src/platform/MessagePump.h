#pragma once

namespace kalvora::platform {

// "Let pending window messages run": long operations call this between items
// so that the window keeps painting and timers and commands get their turn.
class MessagePump {
 public:
  virtual ~MessagePump() = default;
  virtual void ProcessMessages() = 0;
};

}  // namespace kalvora::platform
