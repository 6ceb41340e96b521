#pragma once
#include <string>

#include "resolve/ResolutionServices.h"

namespace kalvora::resolve {

// The parameters of one shortcut, in the ANSI code page, each at most 260
// characters. Only `target` is used; the others are read for completeness.
struct TLinkParams {
  std::string target;  // for an advertised shortcut, the installed component's path
  std::string description;
  std::string arguments;
  std::string workingDirectory;
};

// Reads the shortcut through the 8-bit shell-link interface: Resolve (which
// may update the file or ask the user when the target moved), the short
// target path, then description, arguments and working directory. For an
// installer-advertised shortcut the target becomes the component's path.
// Returns the status of the last call made, 0 when all succeeded; the
// fields from the failing call on stay as they were.
platform::StatusCode ReadLinkParams(const ResolutionServices& services, const std::string& linkPath,
                                    TLinkParams& params);

// The target of a ".lnk" file (any letter case); any other path comes back
// unchanged, and so does a shortcut that cannot be read, has no target or a
// target no path can be.
std::wstring ResolveShortcut(const ResolutionServices& services, const std::wstring& path);

}  // namespace kalvora::resolve
