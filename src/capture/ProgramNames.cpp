#include "capture/ProgramNames.h"

#include "common/Guarded.h"
#include "common/PathText.h"
#include "resolve/ProgramPaths.h"
#include "resolve/ShortcutResolution.h"
#include "common/WideText.h"

namespace kalvora::capture {
namespace {

// The name the shell shows for a menu entry: its file name without the
// extension ("Editor.lnk" is "Editor").
std::wstring MenuEntryName(const std::wstring& path) {
  const std::size_t cut = path.find_last_of(L"\\/");
  return text::PathWithoutExtension(text::Trim(cut == std::wstring::npos ? path : path.substr(cut + 1)));
}

bool IsProgramExtension(const std::wstring& extension) {
  return extension == L".exe" || extension == L".msi" || extension == L".bat";
}

}  // namespace

void BuildProgramNameTable(ProgramNameTable& table, const resolve::ResolutionServices& services,
                           platform::ShellFolders& folders, tree::ProgramFileSearch& search) {
  table.paths_.clear();
  table.names_.clear();
  table.built_ = true;
  // The found-files list keeps every search of the run; only these two count.
  const std::size_t first = search.FoundFiles().size();
  for (platform::SpecialFolder menu : {platform::SpecialFolder::Programs, platform::SpecialFolder::CommonPrograms}) {
    const std::wstring folder = folders.SpecialFolderPath(menu);
    if (!folder.empty()) search.RunFileSearch(folder + L"\\");
  }
  const std::vector<std::wstring>& found = search.FoundFiles();
  for (std::size_t i = first; i < found.size(); ++i) {
    // An entry that cannot be resolved names nothing.
    Guarded(L"ProgramNames.BuildProgramNameTable", [&] {
      const std::wstring program =
          services.text.Lower(text::Trim(resolve::GetProgramPath(services, resolve::ResolveShortcut(services, found[i]))));
      if (!IsProgramExtension(services.text.Lower(text::FileExtension(program)))) return;
      table.paths_.push_back(program);
      table.names_.push_back(MenuEntryName(found[i]));
    });
  }
}

std::wstring ProgramNameOf(const ProgramNameTable& table, platform::SystemText& text, const std::wstring& programPath) {
  const std::wstring wanted = text.Lower(text::Trim(programPath));
  for (std::size_t i = 0; i < table.Paths().size(); ++i)
    if (table.Paths()[i] == wanted) return table.Names()[i];
  return {};
}

}  // namespace kalvora::capture
