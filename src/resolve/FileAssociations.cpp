#include "resolve/FileAssociations.h"

#include "resolve/EnvironmentTokens.h"
#include "common/PathText.h"
#include "resolve/ProgramPaths.h"
#include "resolve/ShortcutResolution.h"

namespace kalvora::resolve {
namespace {

// The key's default value; "" when the key does not open or has none.
std::wstring DefaultValue(const ResolutionServices& services, const std::wstring& key) {
  return services.registry.ReadString(platform::RegistryKey{platform::RegistryRoot::ClassesRoot, key}, L"")
      .value_or(L"");
}

}  // namespace

std::wstring GetAssociatedCommand(const ResolutionServices& services, const std::wstring& file) {
  const std::wstring extension = text::FileExtension(file);
  // Without an extension the key would be the root itself.
  if (extension.empty()) return {};
  const std::wstring type = DefaultValue(services, extension);
  if (!type.empty()) {
    const std::wstring command = DefaultValue(services, type + L"\\Shell\\Open\\Command");
    if (!command.empty()) return command;
  }
  return GetAssociationByVerb(services, extension);
}

std::wstring GetAssociationByVerb(const ResolutionServices& services, const std::wstring& extension) {
  if (extension.empty()) return {};
  const std::wstring type = DefaultValue(services, extension);
  if (type.empty()) return {};
  const std::wstring subkey = extension + L"\\" + type;
  const std::wstring progId =
      services.registry.KeyExists(platform::RegistryKey{platform::RegistryRoot::ClassesRoot, subkey})
          ? DefaultValue(services, subkey)
          : type;
  if (progId.empty()) return {};
  std::wstring verb = DefaultValue(services, progId + L"\\shell");
  if (verb.empty()) verb = L"open";
  const std::wstring command = DefaultValue(services, progId + L"\\shell\\" + verb + L"\\command");
  if (command.empty()) return {};

  const bool quoted = command.front() == L'"';
  std::wstring program;
  if (quoted) {
    const std::size_t close = command.find(L'"', 1);
    if (close != std::wstring::npos) program = command.substr(1, close - 1);
  } else {
    const std::size_t blank = command.find(L' ');
    if (blank != std::wstring::npos) program = command.substr(0, blank);
  }
  if (services.text.Upper(program) == L"RUNDLL32") program += L".EXE";
  if (services.files.FileExists(program)) return program;
  // An unquoted program path with blanks in it: the path ends at ".EXE".
  if (!quoted && program.find(L'\\') != std::wstring::npos) {
    const std::size_t exe = services.text.Upper(command).find(L".EXE");
    if (exe != std::wstring::npos) {
      const std::wstring candidate = command.substr(0, exe + 4);
      if (services.files.FileExists(candidate)) return candidate;
    }
  }
  return program;
}

std::wstring GetAssociatedApplication(const ResolutionServices& services, const std::wstring& file) {
  const std::wstring extension = services.text.Lower(text::FileExtension(file));
  if (extension == L".exe" || extension == L".bat" || extension == L".msi") return ExpandEnvToken(services, file);
  return GetProgramPath(services, ExpandEnvToken(services, GetAssociatedCommand(services, file)));
}

std::wstring GetTargetApplication(const ResolutionServices& services, const std::wstring& entry) {
  if (services.text.Lower(text::FileExtension(entry)) == L".lnk")
    return GetAssociatedApplication(services, ResolveShortcut(services, entry));
  const std::wstring program = GetProgramPath(services, entry);
  const std::wstring application = GetAssociatedApplication(services, program);
  return application.empty() ? program : application;
}

}  // namespace kalvora::resolve
