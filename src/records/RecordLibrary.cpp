#include "records/RecordLibrary.h"

#include <algorithm>
#include <cstdio>
#include <cwctype>
#include <utility>

#include "common/PathText.h"
#include "common/Guarded.h"
#include "common/WideText.h"
#include "records/SafeFileWrite.h"
#include "records/TreeStateFile.h"
#include "settings/SettingsFile.h"

namespace kalvora::records {
namespace {

// Walks over the folder listing and the tree's groups stop here.
constexpr std::size_t kWalkLimit = 5000;
constexpr int kMaxSequence = 1000;

std::wstring Piece(const std::wstring& text, std::size_t from, std::size_t count) {
  return from < text.size() ? text.substr(from, count) : std::wstring();
}

}  // namespace

RecordLibrary::RecordLibrary(const platform::Platform& platform, tree::DocumentTree& documents,
                             window::MainWindowState& state, window::MainWindowLayout& layout,
                             settings::SettingsStore& store, RecordLibraryHost& host)
    : platform_(platform),
      documents_(documents),
      state_(state),
      layout_(layout),
      store_(store),
      host_(host) {}

std::wstring RecordLibrary::RecordDateText(const platform::LocalDateTime& date) {
  // English month names: the list's sort key knows only these, and they
  // keep the records in date order.
  static const wchar_t* const kMonths[] = {L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun",
                                           L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec"};
  const int month = std::clamp(date.month, 1, 12);
  wchar_t buffer[32];
  std::swprintf(buffer, 32, L"%ls %02d,%04d", kMonths[month - 1], date.day, date.year);
  return buffer;
}

std::wstring RecordLibrary::RecordSortKey(const std::wstring& fileName) {
  const std::wstring base = fileName.size() > 8 ? fileName.substr(0, fileName.size() - 8) : std::wstring();
  std::wstring month = text::LowerAscii(Piece(base, 0, 3));
  static const wchar_t* const kMonths[] = {L"jan", L"feb", L"mar", L"apr", L"may", L"jun",
                                           L"jul", L"aug", L"sep", L"oct", L"nov", L"dec"};
  for (int i = 0; i < 12; ++i) {
    if (month == kMonths[i]) {
      wchar_t number[3];
      std::swprintf(number, 3, L"%02d", i + 1);
      month = number;
      break;
    }
  }
  return Piece(base, 7, 4) + month + Piece(base, 4, 2) + Piece(base, 12, 3);
}

std::wstring RecordLibrary::TreeStatePathOf(const std::wstring& recordPath) {
  return text::PathWithoutExtension(recordPath) + TreeStateExtension;
}

std::wstring RecordLibrary::NewRecordPath() {
  const std::wstring folder = store_.RecordFolder();
  if (!platform_.files.DirectoryExists(folder) && !platform_.files.CreateDirectoryTree(folder)) return {};
  const std::wstring stem = folder + RecordDateText(platform_.system.LocalNow()) + L"_";
  auto pathFor = [&](int n) {
    wchar_t sequence[16];
    std::swprintf(sequence, 16, L"%.3d", n);
    return stem + sequence + RecordExtension;
  };
  for (int n = 1; n <= kMaxSequence; ++n)
    if (!platform_.files.FileExists(pathFor(n))) return pathFor(n);
  return pathFor(1);  // all taken: the first is written over
}

bool RecordLibrary::RefreshRecordList() {
  const std::wstring folder = store_.RecordFolder();
  std::vector<std::wstring> names;
  const auto entries = platform_.files.FindFiles(folder + L"*.*");
  for (std::size_t i = 0; i < entries.size() && i < kWalkLimit; ++i) {
    const auto& entry = entries[i];
    if (entry.attributes & platform::FileAttributeDirectory) continue;
    if (text::EqualsIgnoringAsciiCase(text::FileExtension(entry.name), RecordExtension))
      names.push_back(entry.name);
  }
  std::stable_sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) {
    return RecordSortKey(a) < RecordSortKey(b);
  });
  const std::wstring current = text::FileName(state_.CurrentRecordPath);
  layout_.recordList.clear();
  layout_.recordListIndex = -1;
  for (std::size_t i = 0; i < names.size(); ++i) {
    layout_.recordList.push_back(text::NameBeforeLastDot(names[i]));
    if (names[i] == current) layout_.recordListIndex = static_cast<int>(i);
  }
  return !names.empty();
}

void RecordLibrary::SelectCurrentRecord() {
  const std::wstring current = text::FileName(text::Trim(state_.CurrentRecordPath));
  for (std::size_t i = 0; i < layout_.recordList.size(); ++i) {
    if (layout_.recordList[i] + RecordExtension == current) {
      layout_.recordListIndex = static_cast<int>(i);
      store_.WriteRecordListIndex(layout_.recordListIndex);
      return;
    }
  }
}

bool RecordLibrary::HasSelection() const {
  return layout_.recordListIndex >= 0 && layout_.recordListIndex < static_cast<int>(layout_.recordList.size());
}

std::wstring RecordLibrary::SelectedRecordPath() const {
  return store_.RecordFolder() + layout_.recordList[static_cast<std::size_t>(layout_.recordListIndex)] +
         RecordExtension;
}

void RecordLibrary::OpenSelectedRecord() {
  // Loading lets messages run; one that asks for a record meanwhile (a text
  // size, a refresh) is refused rather than woven into the load under way.
  if (state_.LoadingFlag) return;
  state_.LoadingFlag = true;
  if (layout_.recordListIndex < 0) {
    state_.LoadingFlag = false;
    return;
  }
  documents_.TVDocs().BeginUpdate();
  Guarded(L"RecordLibrary.OpenSelectedRecord", [&] {
    if (HasSelection()) {
      state_.CurrentRecordPath = SelectedRecordPath();
      layout_.statusPanels[0].text = L"   File Name :" + state_.CurrentRecordPath + L" selected.";
      layout_.statusPanels[1].text = L" Location :" + store_.RecordFolder();
      documents_.Clear();
      const std::wstring opened = state_.CurrentRecordPath;
      if (!host_.LoadRecord(opened)) {
        if (!NotLoadedWhole(opened)) notLoadedWhole_.push_back(opened);
        layout_.statusPanels[0].text =
            L"   File Name :" + opened + L" could not be read whole; it will be kept as it is.";
      }
    }
    platform_.pump.ProcessMessages();
    RestoreTreeState(TreeStatePathOf(state_.CurrentRecordPath));
    store_.WriteRecordListIndex(layout_.recordListIndex);
  });
  documents_.TVDocs().EndUpdate();
  layout_.progressPanelVisible = false;
  state_.LoadingFlag = false;
  host_.Render();
}

bool RecordLibrary::NotLoadedWhole(const std::wstring& recordPath) const {
  return std::any_of(notLoadedWhole_.begin(), notLoadedWhole_.end(), [&](const std::wstring& path) {
    return text::EqualsIgnoringAsciiCase(path, recordPath);
  });
}

std::wstring RecordLibrary::KeptRecordPath(const std::wstring& recordPath) {
  std::wstring kept = recordPath + L".unread";
  for (int n = 2; n <= kMaxSequence && platform_.files.FileExists(kept); ++n)
    kept = recordPath + L".unread" + std::to_wstring(n);
  return kept;
}

bool RecordLibrary::SaveCurrentTree() {
  if (state_.FolderRecordFlag) {
    state_.FolderRecordFlag = false;
  } else if (state_.NewRecordFlag) {
    // One new record per request: the saves after this one go into it.
    state_.NewRecordFlag = false;
    state_.CurrentRecordPath = NewRecordPath();
  } else if (!layout_.recordList.empty() && HasSelection()) {
    state_.CurrentRecordPath = SelectedRecordPath();
  } else {
    state_.CurrentRecordPath = NewRecordPath();
  }
  documents_.AddDebugLine(L"tmpFilePath");
  if (state_.CurrentRecordPath.empty()) return false;  // no record folder: nothing to save into
  const std::size_t cut = state_.CurrentRecordPath.find_last_of(L"\\");
  const std::wstring folder = cut == std::wstring::npos ? std::wstring() : state_.CurrentRecordPath.substr(0, cut + 1);
  // Until the record folder can be chosen anew, a folder that cannot be
  // made drops the save.
  if (!folder.empty() && !platform_.files.DirectoryExists(folder) && !platform_.files.CreateDirectoryTree(folder))
    return false;
  return WriteAndRefresh(state_.CurrentRecordPath);
}

bool RecordLibrary::WriteAndRefresh(const std::wstring& recordPath) {
  return GuardedOr(L"RecordLibrary.WriteAndRefresh", false, [&] {
    if (NotLoadedWhole(recordPath)) {
      // Moved rather than copied: a file that could not be read may not be
      // copied either, and a failed move leaves it where it was, unwritten.
      const std::wstring kept = KeptRecordPath(recordPath);
      if (platform_.files.FileExists(recordPath) && !platform_.files.MoveFileOver(recordPath, kept)) {
        layout_.statusPanels[0].text =
            L"   File Name :" + recordPath + L" could not be read whole and was not written over.";
        return false;
      }
      notLoadedWhole_.erase(std::remove_if(notLoadedWhole_.begin(), notLoadedWhole_.end(),
                                           [&](const std::wstring& path) {
                                             return text::EqualsIgnoringAsciiCase(path, recordPath);
                                           }),
                            notLoadedWhole_.end());
      layout_.statusPanels[0].text =
          L"   File Name :" + recordPath + L" could not be read whole; the old file is kept as " + kept + L".";
    }
    // The state file follows only a record that was written.
    if (!host_.WriteRecord(recordPath)) return false;
    SaveTreeState(TreeStatePathOf(recordPath));
    RefreshRecordList();
    return true;
  });
}

bool RecordLibrary::SaveIntoSelectedRecord() {
  return GuardedOr(L"RecordLibrary.SaveIntoSelectedRecord", false, [&] {
    bool written = false;
    if (layout_.recordList.empty()) written = SaveCurrentTree();
    if (HasSelection()) written = WriteAndRefresh(SelectedRecordPath());
    return written;
  });
}

void RecordLibrary::SaveAndRefresh() {
  const bool written = SaveCurrentTree();
  platform_.pump.ProcessMessages();
  RefreshRecordList();
  platform_.pump.ProcessMessages();
  SelectCurrentRecord();
  platform_.pump.ProcessMessages();
  if (written) {
    documents_.Host().ShowHint(L"Finish.");
  } else {
    documents_.Host().ShowHint(L"Not saved.");
    layout_.statusPanels[0].text = L"   The record could not be saved: " + state_.CurrentRecordPath;
  }
  host_.Render();
}

void RecordLibrary::SaveTreeState(const std::wstring& statePath) {
  std::vector<std::wstring> lines;
  const auto& tree = documents_.TVDocs();
  const auto& roots = tree.Roots();
  for (std::size_t i = 0; i < roots.size() && i < kWalkLimit; ++i) {
    const auto& node = tree.Node(roots[i]);
    lines.push_back(!node.children.empty() && node.expanded ? L"1" : L"0");
  }
  WriteFileSafely(platform_.files, statePath, EncodeTreeStateLines(lines));
}

void RecordLibrary::RestoreTreeState(const std::wstring& statePath) {
  Guarded(L"RecordLibrary.RestoreTreeState", [&] {
    auto bytes = platform_.files.ReadFile(statePath);
    if (!bytes) return;
    auto& tree = documents_.TVDocs();
    const std::size_t count = std::min(tree.Roots().size(), kWalkLimit);
    // Lines past the groups there are go unused: a long file is not read on.
    std::vector<std::wstring> lines = DecodeTextLines(*bytes, platform_.text, count);
    // New groups go on top, so the states a short file lacks are the first ones.
    if (lines.size() < count) lines.insert(lines.begin(), count - lines.size(), L"0");
    const std::vector<tree::NodeId> roots = tree.Roots();
    for (std::size_t i = 0; i < count && i < lines.size(); ++i) {
      if (tree.Node(roots[i]).children.empty()) continue;
      const bool expanded = settings::ParseSettingsInteger(lines[i]).value_or(0) == 1;
      tree.SetExpanded(roots[i], expanded);
    }
  });
}

void RecordLibrary::AllTreeExpansionChanged() {
  if (state_.LoadingFlag || state_.CurrentRecordPath.empty()) return;
  SaveTreeState(TreeStatePathOf(state_.CurrentRecordPath));
}

}  // namespace kalvora::records
