#pragma once
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/sim/SimDdeClient.h"
#include "platform/sim/SimDialogService.h"
#include "platform/sim/SimEnvironment.h"
#include "platform/sim/LibXmlDom.h"
#include "platform/sim/SimImageLists.h"
#include "platform/sim/SimInternet.h"
#include "platform/sim/SimMachine.h"
#include "platform/sim/SimMessagePump.h"
#include "platform/sim/SimShell.h"
#include "platform/sim/SimShellPlaces.h"
#include "platform/sim/SimShellWindows.h"
#include "platform/sim/SimSystemInfo.h"
#include "platform/sim/SimWindowTree.h"

namespace kalvora::platform::sim {

// One running program on a SimMachine. Its files, folders, profiles, shared
// memory, windows, shortcuts and registry are the machine's, so two processes
// on one machine see each other; arguments, system answers, the message
// pump, dialogs and environment variables are its own.
class SimProcess {
 public:
  static constexpr const wchar_t* kDefaultProgramFile = L"C:\\Program Files\\Kalvora\\kalvora.exe";

  explicit SimProcess(SimMachine& machine, std::vector<std::wstring> arguments = {},
                      std::wstring programFile = kDefaultProgramFile);
  SimProcess(const SimProcess&) = delete;
  SimProcess& operator=(const SimProcess&) = delete;

  int id() const { return id_; }
  SimMachine& machine() { return machine_; }
  SimSystemInfo& system() { return system_; }
  SimDialogService& dialogs() { return dialogs_; }
  SimMessagePump& pump() { return pump_; }
  SimShell& shell() { return shell_; }
  SimEnvironment& environment() { return environment_; }
  SimShellPlaces& places() { return places_; }
  SimImageLists& imageLists() { return imageLists_; }
  LibXmlDom& xml() { return xml_; }
  SimShellWindows& shellWindows() { return shellWindows_; }
  SimDdeClient& dde() { return dde_; }
  SimWindowTree& windowTree() { return windowTree_; }
  SimInternet& internet() { return internet_; }

  // Every service this process sees, for the system's code.
  platform::Platform Platform();

 private:
  SimMachine& machine_;
  int id_;
  SimSystemInfo system_;
  SimDialogService dialogs_;
  SimMessagePump pump_;
  SimShell shell_;
  SimEnvironment environment_;
  SimShellPlaces places_;
  SimImageLists imageLists_{machine_.files()};
  LibXmlDom xml_;
  SimShellWindows shellWindows_;
  SimDdeClient dde_;
  SimWindowTree windowTree_{machine_.windows()};
  SimInternet internet_;
};

}  // namespace kalvora::platform::sim
