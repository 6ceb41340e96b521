#include "platform/sim/SimMessagePump.h"

namespace kalvora::platform::sim {

void SimMessagePump::ProcessMessages() {
  ++calls_;
  // A hook that itself ends up pumping must not recurse without end.
  if (!hook_ || running_) return;
  running_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{running_};
  hook_();
}

}  // namespace kalvora::platform::sim
