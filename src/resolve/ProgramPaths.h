#pragma once
#include <string>

#include "resolve/ResolutionServices.h"

namespace kalvora::resolve {

// The program part of a command line: a quoted first part, or the path up
// to the end of its extension ("C:\x\a.exe %1" gives "C:\x\a.exe"). A text
// without an extension comes back as it is.
std::wstring ExtractProgramPath(const std::wstring& commandLine);
// ExtractProgramPath after the first environment reference is expanded;
// web addresses (http:, https:) come back unchanged.
std::wstring GetProgramPath(const ResolutionServices& services, const std::wstring& commandLine);

}  // namespace kalvora::resolve
