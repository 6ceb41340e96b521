#pragma once
#include "platform/sim/SimMachine.h"
#include "platform/sim/SimProcess.h"

namespace kalvora::testing {

// A simulated machine with one process, for the shell-place openers.
struct LaunchHarness {
  platform::sim::SimMachine machine;
  platform::sim::SimProcess process{machine};
  platform::Platform platform = process.Platform();

  const std::vector<platform::sim::PlaceOpening>& places() { return process.places().Log(); }
  const std::vector<platform::sim::LaunchRecord>& launches() { return machine.LaunchLog(); }
};

}  // namespace kalvora::testing
