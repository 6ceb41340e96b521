#include "platform/sim/SimMachine.h"

#include "platform/sim/SimSystemInfo.h"

namespace kalvora::platform::sim {

SimMachine::SimMachine() {
  // Files written on the machine carry its clock's time.
  files_.SetClock([this] { return SimSystemInfo(os_, now_, L"").UtcNowFileTime(); });
  for (const auto& [folder, path] : folders_.All()) files_.CreateDirectoryTree(path);
}

}  // namespace kalvora::platform::sim
