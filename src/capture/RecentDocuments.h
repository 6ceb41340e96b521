#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "resolve/ResolutionServices.h"
#include "platform/Platform.h"
#include "settings/SettingsDialog.h"
#include "settings/SettingsStore.h"
#include "tree/DocumentTree.h"

namespace kalvora::capture {

// What the folder refresh does with a recent document whose program is not
// in the tree (and is not a folder).
enum class UnlistedProgramDocuments {
  // Handed to AddItem like a capture does: the document appears under its
  // program, which is inserted with it.
  AddWithProgram,
  // Left out of the tree; only the trace line is written.
  Skip,
};

// The user's Recent folder as the recent-documents list, and the documents
// of that list handed to the tree (by a capture or by the folder refresh).
// The settings are read at every call, so the live dialog holders may change
// in between.
class RecentDocuments {
 public:
  // settings: "Record Recent Documents" and its age slider; window: "Smart Record".
  RecentDocuments(const platform::Platform& platform, tree::DocumentTree& tree,
                  const settings::TFrmMySettings& settings, const settings::MainWindowSettings& window);

  // Fills the tree's recent-documents list with the targets of the Recent
  // folder's shortcuts that pass the age rule and exist on a usable drive.
  // Without "Smart Record" the list is rebuilt; with it, it only grows.
  void CollectRecentDocuments();
  // Hands every listed document and folder not yet in the tree to it (the
  // capture's step); true when at least one was handed over.
  bool RecordRecentDocuments();
  // The same for the folder refresh; documents of programs missing from
  // the tree follow UnlistedDocuments().
  bool RecordRecentFolderItems();

  // The file was last written less than `days` days ago (to the two
  // seconds file dates keep); a file that cannot be looked at never is.
  bool IsRecentEnough(const std::wstring& path, double days);
  // In a recycle bin, hidden, system, or missing.
  bool IsHiddenOrRecycled(const std::wstring& path);
  // Copies the shortcut into the links folder (replacing an older copy) and
  // gives the copy's path; the shortcut's own path when it cannot be copied.
  std::wstring CopyShortcutToLinks(const std::wstring& shortcut);
  // Documents\<product>\links\ with one trailing backslash; "" when the
  // shell has no documents folder.
  std::wstring LinksFolder();

  UnlistedProgramDocuments UnlistedDocuments() const { return unlisted_; }
  void SetUnlistedDocuments(UnlistedProgramDocuments mode) { unlisted_ = mode; }

 private:
  bool Record(bool folderRefresh);
  // Pending messages run, then the gauge moves one step.
  void StepGauge();
  bool IsRecentTime(std::uint64_t lastWriteTime, double days);
  // The entry's attributes as a listing gives them; nullopt when missing.
  std::optional<std::uint32_t> Attributes(const std::wstring& path);
  std::wstring Fold(const std::wstring& text);

  platform::Platform platform_;
  resolve::ResolutionServices resolution_;
  tree::DocumentTree& tree_;
  const settings::TFrmMySettings& settings_;
  const settings::MainWindowSettings& window_;
  UnlistedProgramDocuments unlisted_ = UnlistedProgramDocuments::AddWithProgram;
};

}  // namespace kalvora::capture
