#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/ShellPlaces.h"

namespace kalvora::platform::sim {

// One opening of a shell place or one command-line start, as logged.
struct PlaceOpening {
  enum class Kind { SpecialFolder, CommandLine };
  Kind kind = Kind::SpecialFolder;
  int csidl = 0;              // SpecialFolder
  WindowHandle owner = 0;     // SpecialFolder
  std::wstring commandLine;   // CommandLine
  ShowCommand show = ShowCommand::ShowNormal;  // CommandLine
};

// Shell places of one process: every opening is logged in order and
// succeeds; the system folder is C:\Windows\system32 unless a test sets it.
class SimShellPlaces final : public ShellPlaces {
 public:
  bool OpenSpecialFolder(int csidl, WindowHandle owner) override;
  std::uintptr_t RunCommandLine(const std::wstring& commandLine, ShowCommand show) override;
  std::wstring SystemDirectory() override { return systemDirectory_; }

  void SetSystemDirectory(std::wstring folder) { systemDirectory_ = std::move(folder); }
  const std::vector<PlaceOpening>& Log() const { return log_; }

 private:
  std::wstring systemDirectory_ = L"C:\\Windows\\system32";
  std::vector<PlaceOpening> log_;
};

}  // namespace kalvora::platform::sim
