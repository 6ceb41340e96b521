#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/MessagePump.h"

namespace kalvora::tree {

// Walks a folder and, depth first, its subfolders, and reports every entry
// that matches a mask. Pending window messages run after every entry, so a
// handler (or a command that arrives meanwhile) may set Stop.
class TFileSearch {
 public:
  // The folder the entry was found in (with its trailing "\") and the entry
  // as the file system listed it.
  using FoundEvent = std::function<void(TFileSearch& sender, const std::wstring& folder,
                                        const platform::DirectoryEntry& entry)>;
  using FinishEvent = std::function<void(TFileSearch& sender)>;

  static constexpr std::size_t MaxSearchFileLength = 255;

  TFileSearch(platform::FileSystem& files, platform::MessagePump& pump) : files_(files), pump_(pump) {}

  // Set during a search: the search ends after the entry being handled.
  bool Stop = false;
  bool RecurseSubFolders = true;
  FoundEvent OnFileFind;       // every match
  FoundEvent OnChangeFolder;   // each folder the search starts on
  FinishEvent OnFinish;        // after every search, stopped ones included

  // A folder ending in "\" and a mask, e.g. "C:\dir\*.*"; more masks may
  // follow separated by ";" ("C:\dir\*.exe;*.dll"), each taken in the folder
  // of the one before. Longer texts are cut to 255 characters.
  void SetSearchFile(const std::wstring& searchFile);
  const std::wstring& SearchFile() const { return searchFile_; }
  // Folder + name of every match of the last search, in the order found;
  // filled only while OnFileFind is set.
  const std::vector<std::wstring>& FilesFound() const { return filesFound_; }
  bool Busy() const { return busy_; }

  // Runs the search SearchFile describes. A call while a search runs (from
  // a handler or a message) does nothing.
  void Execute();
  // One mask: the matches in its folder, then each subfolder's whole result.
  void SearchFolderTree(const std::wstring& pattern);

 private:
  void SearchFolder(const std::wstring& folder, const std::wstring& mask);

  platform::FileSystem& files_;
  platform::MessagePump& pump_;
  std::wstring searchFile_;
  std::vector<std::wstring> filesFound_;
  bool busy_ = false;
};

// The program's one file search and the list it fills: every match of
// every search of the run, as folder + name.
class ProgramFileSearch {
 public:
  ProgramFileSearch(platform::FileSystem& files, platform::MessagePump& pump);

  // Lists everything below the folder (which ends in "\") into FoundFiles;
  // a failed search leaves the list as it was.
  void RunFileSearch(const std::wstring& folder);
  const std::vector<std::wstring>& FoundFiles() const { return foundFiles_; }
  TFileSearch& search() { return search_; }

 private:
  TFileSearch search_;
  std::vector<std::wstring> foundFiles_;
};

}  // namespace kalvora::tree
