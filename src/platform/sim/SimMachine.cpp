#include "platform/sim/SimMachine.h"

namespace kalvora::platform::sim {

SimMachine::SimMachine() {
  for (const auto& [folder, path] : folders_.All()) files_.CreateDirectoryTree(path);
}

}  // namespace kalvora::platform::sim
