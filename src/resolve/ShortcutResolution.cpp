#include "resolve/ShortcutResolution.h"

#include "common/PathText.h"
#include "common/WideText.h"

namespace kalvora::resolve {
namespace {

constexpr std::size_t kFieldChars = 260;

std::string Field(const std::string& text) { return text.size() > kFieldChars ? text.substr(0, kFieldChars) : text; }

}  // namespace

platform::StatusCode ReadLinkParams(const ResolutionServices& services, const std::string& linkPath,
                                    TLinkParams& params) {
  using platform::LinkStep;
  const platform::AnsiLinkRead read = services.links.ReadAnsi(services.text.FromAnsi(linkPath), services.owner);
  if (read.failedStep <= LinkStep::GetPath) return read.status;

  params.target = Field(read.target);
  if (read.offersDataList) {
    if (auto component = services.installer.ShortcutComponent(linkPath))
      params.target = Field(services.installer.LocateComponent(*component, params.target));
  }
  // The read stopped at the first failing field; the ones after it stay empty.
  if (read.failedStep > LinkStep::Description) params.description = Field(read.description);
  if (read.failedStep > LinkStep::Arguments) params.arguments = Field(read.arguments);
  if (read.failedStep > LinkStep::WorkingDirectory) params.workingDirectory = Field(read.workingDirectory);
  return read.status;
}

std::wstring ResolveShortcut(const ResolutionServices& services, const std::wstring& path) {
  if (services.text.Upper(text::FileExtension(path)) != L".LNK") return path;

  std::wstring target = services.links.ReadTarget(path);
  // An advertised shortcut points at an icon the installer keeps in a
  // folder named after the product code; the installer knows the real file.
  const std::wstring lower = services.text.Lower(text::Trim(target));
  if (lower.find(L"windows\\installer\\") != std::wstring::npos && lower.find(L'{') != std::wstring::npos &&
      lower.find(L'}') != std::wstring::npos) {
    TLinkParams params;
    const auto status = ReadLinkParams(services, services.text.ToAnsi(path), params);
    target = platform::Failed(status) ? std::wstring() : services.text.FromAnsi(params.target);
  }
  if (target.empty()) return path;
  if (text::HasInvalidPathChars(services.text.Lower(text::Trim(target)))) return path;
  return target;
}

}  // namespace kalvora::resolve
