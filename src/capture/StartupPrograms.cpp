#include "capture/StartupPrograms.h"

#include "resolve/FileAssociations.h"
#include "resolve/ProgramPaths.h"
#include "common/Guarded.h"
#include "common/WideText.h"

namespace kalvora::capture {
namespace {

constexpr const wchar_t* ShellFoldersKey = L"Software\\MicroSoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const wchar_t* RunKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
// Our own program is never left out of a capture.
constexpr const wchar_t* OwnProgramName = L"revisto.exe";

platform::RegistryKey FullAccessKey(platform::RegistryRoot root, const wchar_t* path) {
  return platform::RegistryKey{root, path, platform::RegistryView::Default, platform::RegistryAccess::AllAccess};
}

std::wstring LowerTrimmed(platform::SystemText& text, const std::wstring& value) {
  return text.Lower(text::Trim(value));
}

std::wstring FileNameOf(const std::wstring& path) {
  const std::size_t cut = path.find_last_of(L"\\/:");
  return cut == std::wstring::npos ? path : path.substr(cut + 1);
}

}  // namespace

bool TWindowsStartMan::IsStartupProgram(const std::wstring& programPath) {
  const std::wstring wanted = LowerTrimmed(services_.text, programPath);
  if (!entries_) RefreshStartupList();
  // An entry nothing can be made of names no program; it must not match a
  // window whose program is unknown.
  if (wanted.empty()) return false;
  for (const std::wstring& entry : *entries_) {
    // An entry whose association cannot be read answers nothing.
    const std::wstring program = GuardedOr(L"TWindowsStartMan.IsStartupProgram", std::wstring(), [&] {
      return services_.text.Lower(resolve::GetProgramPath(
          services_, resolve::GetTargetApplication(services_, LowerTrimmed(services_.text, entry))));
    });
    if (!program.empty() && program == wanted) return true;
  }
  return false;
}

void TWindowsStartMan::RefreshStartupList() {
  if (!entries_) entries_.emplace();
  entries_->clear();
  std::vector<std::wstring> fresh;
  ReadStartupFolder(platform::RegistryRoot::LocalMachine, L"Common Startup", fresh);
  ReadStartupFolder(platform::RegistryRoot::CurrentUser, L"StartUp", fresh);
  for (platform::RegistryRoot root : {platform::RegistryRoot::CurrentUser, platform::RegistryRoot::LocalMachine}) {
    // The source ends with what it read.
    Guarded(L"TWindowsStartMan.RefreshStartupList", [&] {
      ReadRunValues(root, fresh);
    });
  }
  entries_->insert(entries_->end(), fresh.begin(), fresh.end());
}

void TWindowsStartMan::ReadStartupFolder(platform::RegistryRoot root, const wchar_t* valueName,
                                         std::vector<std::wstring>& list) {
  // A value that is not text, or a listing that fails, gives nothing more.
  Guarded(L"TWindowsStartMan.ReadStartupFolder", [&] {
    const auto folder = services_.registry.ReadString(FullAccessKey(root, ShellFoldersKey), valueName);
    // An empty value would list the current drive's root.
    if (!folder || text::Trim(*folder).empty()) return;
    ListStartupFolder(folder->back() == L'\\' ? *folder : *folder + L'\\', list);
  });
}

void TWindowsStartMan::ListStartupFolder(const std::wstring& folder, std::vector<std::wstring>& list) {
  for (const platform::DirectoryEntry& entry : services_.files.FindFiles(folder + L"*.*")) {
    if ((entry.attributes & (platform::FileAttributeDirectory | platform::FileAttributeHidden)) != 0) continue;
    list.push_back(folder + entry.name);
  }
}

void TWindowsStartMan::ReadRunValues(platform::RegistryRoot root, std::vector<std::wstring>& list) {
  const auto values = services_.registry.ReadValues(FullAccessKey(root, RunKey));
  if (!values) return;
  for (const platform::RegistryValue& value : *values) {
    if (!value.isText) return;
    list.push_back(value.text);
  }
}

bool InStartupFilterList(platform::SystemText& text, const std::vector<window::StartupFilterRow>& rows,
                         const std::wstring& programPath) {
  const std::wstring wanted = LowerTrimmed(text, programPath);
  for (const window::StartupFilterRow& row : rows)
    if (LowerTrimmed(text, row.location) == wanted) return true;
  return false;
}

bool FilterStartupProgram(TWindowsStartMan& startMan, bool filterWindowsStart, const std::wstring& programPath,
                          const std::wstring& title, std::vector<window::StartupFilterRow>& rows) {
  if (!filterWindowsStart) return false;
  platform::SystemText& text = startMan.services().text;
  if (LowerTrimmed(text, FileNameOf(programPath)) == OwnProgramName) return false;
  if (!startMan.IsStartupProgram(programPath)) return false;
  if (InStartupFilterList(text, rows, programPath)) return true;
  rows.push_back(window::StartupFilterRow{title, programPath});
  return true;
}

}  // namespace kalvora::capture
