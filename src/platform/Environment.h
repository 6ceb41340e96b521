#pragma once
#include <string>

namespace kalvora::platform {

// The process's environment variables.
class Environment {
 public:
  virtual ~Environment() = default;
  // The value, "" when the variable is unset (or set to nothing). Names
  // ignore letter case.
  virtual std::wstring Get(const std::wstring& name) = 0;
};

}  // namespace kalvora::platform
