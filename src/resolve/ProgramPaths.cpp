#include "resolve/ProgramPaths.h"

#include "resolve/EnvironmentTokens.h"
#include "common/PathText.h"
#include "common/WideText.h"

namespace kalvora::resolve {

std::wstring ExtractProgramPath(const std::wstring& commandLine) {
  const std::wstring path = text::UnquotePath(commandLine);
  std::wstring base = text::Trim(text::PathWithoutExtension(path));
  std::wstring extension = text::Trim(text::FileExtension(path));
  if (base.empty() || extension.empty()) return path;
  if (base.front() == L'"') base.erase(0, 1);
  // The extension ends where the arguments or another path begin.
  for (wchar_t stop : std::wstring_view(L"\"/\\:*?<>|")) {
    const std::size_t at = extension.find(stop);
    if (at != std::wstring::npos) extension.resize(at);
  }
  const std::size_t blank = extension.find(L' ');
  if (blank != std::wstring::npos) extension.resize(blank);
  return base + extension;
}

std::wstring GetProgramPath(const ResolutionServices& services, const std::wstring& commandLine) {
  const std::wstring lower = services.text.Lower(commandLine);
  if (lower.starts_with(L"http:") || lower.starts_with(L"https:")) return commandLine;
  return ExtractProgramPath(ExpandEnvToken(services, commandLine));
}

}  // namespace kalvora::resolve
