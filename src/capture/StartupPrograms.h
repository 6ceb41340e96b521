#pragma once
#include <optional>
#include <string>
#include <vector>

#include "window/MainWindowLayout.h"
#include "resolve/ResolutionServices.h"

namespace kalvora::capture {

// Which programs Windows starts at logon: the files in the all-users and
// the user's Startup folders and the command lines of the user's and the
// machine's Run keys. The keys are opened with all access rights, so a
// machine-wide source refused to a user without administrator rights gives
// nothing. The entries are read on the first question and kept for the run.
class TWindowsStartMan {
 public:
  explicit TWindowsStartMan(const resolve::ResolutionServices& services) : services_(services) {}

  // Whether the program (a full path, any letter case) is what a startup
  // entry runs: a shortcut through the program its target opens, a command
  // line through its program, a document through its associated program.
  bool IsStartupProgram(const std::wstring& programPath);
  // Reads the four sources, each on its own: a failing source keeps what it
  // read before the failure and the others are still read.
  void RefreshStartupList();
  // Appends folder + name of every file in the folder (ending in "\") that
  // is not hidden; subfolders are not searched.
  void ListStartupFolder(const std::wstring& folder, std::vector<std::wstring>& list);
  // Appends the text of every value of the root's Run key in the order the
  // registry lists them; a value that is not text ends the source.
  void ReadRunValues(platform::RegistryRoot root, std::vector<std::wstring>& list);

  // nullopt until the first question.
  const std::optional<std::vector<std::wstring>>& StartupEntries() const { return entries_; }
  const resolve::ResolutionServices& services() const { return services_; }

 private:
  void ReadStartupFolder(platform::RegistryRoot root, const wchar_t* valueName, std::vector<std::wstring>& list);

  resolve::ResolutionServices services_;
  std::optional<std::vector<std::wstring>> entries_;
};

// Whether a row of the startup filter list has the program as its location.
bool InStartupFilterList(platform::SystemText& text, const std::vector<window::StartupFilterRow>& rows,
                         const std::wstring& programPath);

// Whether the running-application scan must leave out a window of the
// program with this title: true for a startup program while "Filter Windows
// Start" is on; the program is then listed in rows once.
bool FilterStartupProgram(TWindowsStartMan& startMan, bool filterWindowsStart, const std::wstring& programPath,
                          const std::wstring& title, std::vector<window::StartupFilterRow>& rows);

}  // namespace kalvora::capture
