#pragma once
#include "resolve/ResolutionServices.h"
#include "platform/sim/SimMachine.h"
#include "platform/sim/SimProcess.h"

namespace kalvora::testing {

// A simulated machine with one process and the path functions' services.
struct ResolutionHarness {
  static constexpr platform::WindowHandle kOwner = 0x1234;

  platform::sim::SimMachine machine;
  platform::sim::SimProcess process{machine};
  platform::Platform platform = process.Platform();
  resolve::ResolutionServices services = resolve::ResolutionServices::From(platform, kOwner);

  platform::sim::SimRegistry& registry() { return machine.registry(); }
  platform::sim::SimShellLinks& links() { return machine.links(); }
  // HKEY_CLASSES_ROOT\key, default value.
  void SetClass(const std::wstring& key, const std::wstring& value) {
    registry().SetValue({platform::RegistryRoot::ClassesRoot, key}, L"", platform::sim::RegistryType::String, value);
  }
};

}  // namespace kalvora::testing
