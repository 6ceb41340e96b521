#pragma once
#include <string>
#include <vector>

#include "window/MainWindowLayout.h"
#include "window/MainWindowState.h"
#include "platform/Platform.h"
#include "settings/SettingsStore.h"
#include "tree/DocumentTree.h"

namespace kalvora::records {

inline constexpr const wchar_t* RecordExtension = L".revisto";
inline constexpr const wchar_t* TreeStateExtension = L".revistotreesel";
inline constexpr const wchar_t* RecentFoldersRecordName = L"Recent Folders";

// What the library needs of the main window, which holds the record file.
class RecordLibraryHost {
 public:
  virtual ~RecordLibraryHost() = default;
  // Writes the All tree to a record file; false when nothing was written.
  virtual bool WriteRecord(const std::wstring& path) = 0;
  // Empties the table and fills the trees from a record file; false when
  // the record did not load whole.
  virtual bool LoadRecord(const std::wstring& path) = 0;
  // Draws the window's layout again.
  virtual void Render() = 0;
};

// The folder of record files and the window's list of them (LbRECs): new
// record names, the sorted list, loading the selected record, saving the
// All tree, and the tree-state file beside each record that keeps groups
// expanded.
class RecordLibrary {
 public:
  RecordLibrary(const platform::Platform& platform, tree::DocumentTree& documents, window::MainWindowState& state,
                window::MainWindowLayout& layout, settings::SettingsStore& store, RecordLibraryHost& host);

  // A record path that does not exist yet: "mmm dd,yyyy_%.3d.revisto" in the
  // record folder; "" when the folder cannot be created.
  std::wstring NewRecordPath();
  // Rebuilds LbRECs from the folder; true when any record exists.
  bool RefreshRecordList();
  void SelectCurrentRecord();
  void OpenSelectedRecord();
  // Each answers whether a record was written.
  bool SaveCurrentTree();
  bool SaveIntoSelectedRecord();
  // Saves, then shows "Finish." when a record was written and says in the
  // status bar that nothing was saved when none was.
  void SaveAndRefresh();
  // A record that did not load whole in this run is never written over:
  // the file is first kept beside it under the name KeptRecordPath gives,
  // and the status bar says so.
  bool WriteAndRefresh(const std::wstring& recordPath);
  void SaveTreeState(const std::wstring& statePath);
  void RestoreTreeState(const std::wstring& statePath);
  // A node of the All tree was expanded or collapsed by the user.
  void AllTreeExpansionChanged();

  // "Mar 05,2012" for 5 March 2012.
  static std::wstring RecordDateText(const platform::LocalDateTime& date);
  // Year, month number, day and sequence of a record file name, so dated
  // records sort by date; other names sort by what their letters give.
  static std::wstring RecordSortKey(const std::wstring& fileName);
  static std::wstring TreeStatePathOf(const std::wstring& recordPath);
  // Where a record that did not load whole is kept before its first save:
  // "<record>.unread", or with a number when that is taken. Not listed as a
  // record, so it is neither opened nor saved into by chance.
  std::wstring KeptRecordPath(const std::wstring& recordPath);

 private:
  std::wstring SelectedRecordPath() const;
  bool HasSelection() const;
  bool NotLoadedWhole(const std::wstring& recordPath) const;

  platform::Platform platform_;
  tree::DocumentTree& documents_;
  window::MainWindowState& state_;
  window::MainWindowLayout& layout_;
  settings::SettingsStore& store_;
  RecordLibraryHost& host_;
  // Records of this run that did not load whole and are not yet kept aside.
  std::vector<std::wstring> notLoadedWhole_;
};

}  // namespace kalvora::records
