#include "resolve/EnvironmentTokens.h"

#include "common/WideText.h"

namespace kalvora::resolve {

std::wstring ExpandEnvToken(const ResolutionServices& services, const std::wstring& text) {
  if (text::Trim(text).empty()) return text;
  const std::size_t open = text.find(L'%');
  if (open == std::wstring::npos) return text;
  const std::size_t close = text.find(L'%', open + 1);
  if (close == std::wstring::npos) return text;
  // The value is taken wide: a trip through the ANSI code page would turn
  // letters it lacks (in a user name, say) into '?' and spoil the path.
  const std::wstring value = services.environment.Get(text.substr(open + 1, close - open - 1));
  if (value.empty()) return text;
  return text.substr(0, open) + value + text.substr(close + 1);
}

std::string GetEnvValue(const ResolutionServices& services, const std::string& name) {
  const std::wstring value = services.environment.Get(services.text.FromAnsi(name));
  return value.empty() ? std::string() : services.text.ToAnsi(value);
}

}  // namespace kalvora::resolve
