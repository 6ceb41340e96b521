#include "platform/sim/SimEnvironment.h"

#include "platform/sim/SimText.h"

namespace kalvora::platform::sim {

SimEnvironment::SimEnvironment() {
  Set(L"SystemRoot", L"C:\\Windows");
  Set(L"windir", L"C:\\Windows");
  Set(L"SystemDrive", L"C:");
  Set(L"ProgramFiles", L"C:\\Program Files");
  Set(L"USERPROFILE", L"C:\\users\\joe");
  Set(L"APPDATA", L"C:\\users\\joe\\AppData\\Roaming");
  Set(L"TEMP", L"C:\\users\\joe\\AppData\\Local\\Temp");
}

std::wstring SimEnvironment::Get(const std::wstring& name) {
  auto it = values_.find(Fold(name));
  return it == values_.end() ? std::wstring() : it->second;
}

void SimEnvironment::Set(const std::wstring& name, const std::wstring& value) { values_[Fold(name)] = value; }
void SimEnvironment::Unset(const std::wstring& name) { values_.erase(Fold(name)); }

}  // namespace kalvora::platform::sim
