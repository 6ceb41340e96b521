#pragma once
#include "platform/MessagePump.h"

namespace kalvora::platform::win32 {

class Win32MessagePump final : public MessagePump {
 public:
  void ProcessMessages() override;
};

}  // namespace kalvora::platform::win32
