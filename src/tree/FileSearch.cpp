#include "tree/FileSearch.h"

#include "common/Guarded.h"

namespace kalvora::tree {
namespace {

bool IsDotEntry(const std::wstring& name) { return name == L"." || name == L".."; }

// Everything up to and including the last "\" or ":".
std::wstring FolderPart(const std::wstring& pattern) {
  const std::size_t cut = pattern.find_last_of(L"\\:");
  return cut == std::wstring::npos ? std::wstring() : pattern.substr(0, cut + 1);
}

// Resets the busy flag however the search ends.
class BusyScope {
 public:
  explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
  ~BusyScope() { busy_ = false; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  bool& busy_;
};

}  // namespace

void TFileSearch::SetSearchFile(const std::wstring& searchFile) {
  searchFile_ = searchFile.substr(0, MaxSearchFileLength);
}

void TFileSearch::Execute() {
  if (busy_) return;
  BusyScope busy(busy_);
  Stop = false;
  filesFound_.clear();
  // "C:\dir\*.exe;*.dll": each further mask is taken in the folder of the one before.
  std::wstring pattern;
  std::size_t start = 0;
  while (!Stop) {
    const std::size_t end = searchFile_.find(L';', start);
    const std::wstring piece = searchFile_.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
    pattern = start == 0 ? piece : FolderPart(pattern) + piece;
    SearchFolderTree(pattern);
    if (end == std::wstring::npos) break;
    start = end + 1;
  }
  if (OnFinish) OnFinish(*this);
}

void TFileSearch::SearchFolderTree(const std::wstring& pattern) {
  const std::wstring folder = FolderPart(pattern);
  SearchFolder(folder, pattern.substr(folder.size()));
}

void TFileSearch::SearchFolder(const std::wstring& folder, const std::wstring& mask) {
  if (OnChangeFolder) OnChangeFolder(*this, folder, platform::DirectoryEntry{});
  for (const platform::DirectoryEntry& entry : files_.FindFiles(folder + mask)) {
    if (Stop) return;
    if (!IsDotEntry(entry.name) && OnFileFind) {
      OnFileFind(*this, folder, entry);
      filesFound_.push_back(folder + entry.name);
    }
    pump_.ProcessMessages();
  }
  if (!RecurseSubFolders) return;
  for (const platform::DirectoryEntry& entry : files_.FindFiles(folder + L"*.*")) {
    if (Stop) return;
    pump_.ProcessMessages();
    if (!IsDotEntry(entry.name) && (entry.attributes & platform::FileAttributeDirectory) != 0 && RecurseSubFolders)
      SearchFolder(folder + entry.name + L"\\", mask);
    pump_.ProcessMessages();
  }
}

ProgramFileSearch::ProgramFileSearch(platform::FileSystem& files, platform::MessagePump& pump)
    : search_(files, pump) {
  search_.OnFileFind = [this](TFileSearch&, const std::wstring& folder, const platform::DirectoryEntry& entry) {
    foundFiles_.push_back(folder + entry.name);
  };
}

void ProgramFileSearch::RunFileSearch(const std::wstring& folder) {
  // A failed search leaves what the lists hold.
  Guarded(L"ProgramFileSearch.RunFileSearch", [&] {
    search_.SetSearchFile(folder + L"*.*");
    search_.Execute();
  });
}

}  // namespace kalvora::tree
