#pragma once
#include <map>
#include <string>

#include "platform/Environment.h"

namespace kalvora::platform::sim {

// One process's environment block. It starts with the variables every
// Windows process has (SystemRoot, windir, ProgramFiles, USERPROFILE ...),
// pointing into the simulated drive C:.
class SimEnvironment final : public Environment {
 public:
  SimEnvironment();
  std::wstring Get(const std::wstring& name) override;

  void Set(const std::wstring& name, const std::wstring& value);
  void Unset(const std::wstring& name);

 private:
  std::map<std::wstring, std::wstring> values_;  // by folded name
};

}  // namespace kalvora::platform::sim
