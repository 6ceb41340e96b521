#pragma once
#include <string>
#include <vector>

#include "resolve/ResolutionServices.h"
#include "tree/FileSearch.h"

namespace kalvora::capture {

// The names the Start Menu gives installed programs: program path (lower
// case, trimmed) to the name of the first menu shortcut found for it.
class ProgramNameTable {
 public:
  bool Built() const { return built_; }
  const std::vector<std::wstring>& Paths() const { return paths_; }
  const std::vector<std::wstring>& Names() const { return names_; }

 private:
  friend void BuildProgramNameTable(ProgramNameTable&, const resolve::ResolutionServices&, platform::ShellFolders&,
                                    tree::ProgramFileSearch&);
  bool built_ = false;
  std::vector<std::wstring> paths_;
  std::vector<std::wstring> names_;
};

// Fills the table from everything below the user's and the all-users
// Start Menu program folders: each shortcut (or program) that leads to a
// ".exe", ".msi" or ".bat" names that program. Folders, documents and web
// links add nothing; entries that cannot be resolved are passed over.
void BuildProgramNameTable(ProgramNameTable& table, const resolve::ResolutionServices& services,
                           platform::ShellFolders& folders, tree::ProgramFileSearch& search);

// The name of the program, "" when the table was never built or knows none.
std::wstring ProgramNameOf(const ProgramNameTable& table, platform::SystemText& text, const std::wstring& programPath);

}  // namespace kalvora::capture
