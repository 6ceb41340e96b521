#include "platform/sim/SimShellFolders.h"

namespace kalvora::platform::sim {

SimShellFolders::SimShellFolders() {
  const std::wstring user = L"C:\\users\\joe";
  const std::wstring roaming = user + L"\\AppData\\Roaming";
  const std::wstring startMenu = roaming + L"\\Microsoft\\Windows\\Start Menu";
  const std::wstring commonStartMenu = L"C:\\ProgramData\\Microsoft\\Windows\\Start Menu";
  paths_ = {
      {SpecialFolder::Desktop, user + L"\\Desktop"},
      {SpecialFolder::Personal, user + L"\\Documents"},
      {SpecialFolder::AppData, roaming},
      {SpecialFolder::Recent, roaming + L"\\Microsoft\\Windows\\Recent"},
      {SpecialFolder::SendTo, roaming + L"\\Microsoft\\Windows\\SendTo"},
      {SpecialFolder::StartMenu, startMenu},
      {SpecialFolder::Programs, startMenu + L"\\Programs"},
      {SpecialFolder::Startup, startMenu + L"\\Programs\\Startup"},
      {SpecialFolder::CommonStartMenu, commonStartMenu},
      {SpecialFolder::CommonPrograms, commonStartMenu + L"\\Programs"},
      {SpecialFolder::CommonStartup, commonStartMenu + L"\\Programs\\Startup"},
      {SpecialFolder::CommonDocuments, L"C:\\users\\Public\\Documents"},
  };
}

std::wstring SimShellFolders::SpecialFolderPath(SpecialFolder folder) {
  auto it = paths_.find(folder);
  if (it == paths_.end()) return {};
  std::wstring path = it->second;
  // The shell hands folders out without a trailing separator.
  while (path.size() > 3 && path.back() == L'\\') path.pop_back();
  return path;
}

}  // namespace kalvora::platform::sim
