#include "platform/sim/SimProcess.h"

namespace kalvora::platform::sim {

SimProcess::SimProcess(SimMachine& machine, std::vector<std::wstring> arguments, std::wstring programFile)
    : machine_(machine),
      id_(machine.NextProcessId()),
      system_(machine.osVersion(), machine.now(), std::move(programFile)),
      shell_(machine.launches(), id_) {
  system_.SetArguments(std::move(arguments));
}

platform::Platform SimProcess::Platform() {
  return platform::Platform{machine_.files(), machine_.folders(), machine_.profiles(), machine_.sharedMemory(),
                            machine_.windows(), system_,           shell_,              pump_,
                            dialogs_,          machine_.links(),    machine_.installer(),
                            machine_.registry(), environment_,     machine_.text(), places_,
                            machine_.drives(), imageLists_, xml_,
                            shellWindows_, dde_, windowTree_, internet_};
}

}  // namespace kalvora::platform::sim
