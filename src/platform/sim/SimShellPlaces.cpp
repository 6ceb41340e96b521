#include "platform/sim/SimShellPlaces.h"

namespace kalvora::platform::sim {

bool SimShellPlaces::OpenSpecialFolder(int csidl, WindowHandle owner) {
  PlaceOpening opening;
  opening.kind = PlaceOpening::Kind::SpecialFolder;
  opening.csidl = csidl;
  opening.owner = owner;
  log_.push_back(opening);
  return true;
}

std::uintptr_t SimShellPlaces::RunCommandLine(const std::wstring& commandLine, ShowCommand show) {
  PlaceOpening opening;
  opening.kind = PlaceOpening::Kind::CommandLine;
  opening.commandLine = commandLine;
  opening.show = show;
  log_.push_back(opening);
  return 33;
}

}  // namespace kalvora::platform::sim
