#pragma once
#include <string>

#include "resolve/ResolutionServices.h"

namespace kalvora::resolve {

// Expands the first %NAME% reference of the text. A text without a complete
// reference, or naming an unset or empty variable, comes back unchanged;
// later references stay as written.
std::wstring ExpandEnvToken(const ResolutionServices& services, const std::wstring& text);
// One environment variable in the ANSI code page; "" when unset.
std::string GetEnvValue(const ResolutionServices& services, const std::string& name);

}  // namespace kalvora::resolve
