#pragma once
#include <string>

#include "resolve/ResolutionServices.h"

// The program that opens a document, from the file associations under
// HKEY_CLASSES_ROOT. A default value that is not text raises
// platform::RegistryTypeError out of these functions; callers that walk many
// items catch it per item.
namespace kalvora::resolve {

// The open command of the file's type (a full command line, "%1" and all),
// or else the program path GetAssociationByVerb finds; "" when none.
std::wstring GetAssociatedCommand(const ResolutionServices& services, const std::wstring& file);
// The program of the extension's default verb ("open" unless the type
// names another); "" when the extension or its command is not registered.
std::wstring GetAssociationByVerb(const ResolutionServices& services, const std::wstring& extension);
// The program that opens the file; programs, batch files and installer
// packages stand for themselves. "" when the type is not registered.
std::wstring GetAssociatedApplication(const ResolutionServices& services, const std::wstring& file);
// The program a startup entry (shortcut, command line or file) runs.
std::wstring GetTargetApplication(const ResolutionServices& services, const std::wstring& entry);

}  // namespace kalvora::resolve
