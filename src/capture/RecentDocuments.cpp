#include "capture/RecentDocuments.h"

#include "capture/OpenFolders.h"
#include <vector>

#include "common/Guarded.h"
#include "common/ProductConstants.h"
#include "resolve/EnvironmentTokens.h"
#include "resolve/FileAssociations.h"
#include "common/PathText.h"
#include "resolve/ProgramPaths.h"
#include "resolve/ShortcutResolution.h"
#include "common/WideText.h"
#include "places/FolderPaths.h"

namespace kalvora::capture {
namespace {

// The first entry of the Recent folder and this many more are looked at.
constexpr std::size_t kListingLimit = 5001;
constexpr std::uint64_t kFileTimeSecond = 10'000'000;
constexpr double kFileTimeDay = 86400.0 * kFileTimeSecond;
// Without "Record Recent Documents" only what was opened in the last
// 2 hours 24 minutes counts.
constexpr double kFreshDays = 0.1;

}  // namespace

RecentDocuments::RecentDocuments(const platform::Platform& platform, tree::DocumentTree& tree,
                                 const settings::TFrmMySettings& settings,
                                 const settings::MainWindowSettings& window)
    : platform_(platform),
      resolution_(resolve::ResolutionServices::From(platform)),
      tree_(tree),
      settings_(settings),
      window_(window) {}

std::wstring RecentDocuments::Fold(const std::wstring& text) { return platform_.text.Lower(text::Trim(text)); }

void RecentDocuments::CollectRecentDocuments() {
  const std::wstring recent = platform_.folders.SpecialFolderPath(platform::SpecialFolder::Recent);
  const bool keep = window_.cbSmartRecord;
  if (!keep) tree_.RecentDocs().Clear();
  if (recent.empty()) return;  // a relative listing would read some other folder
  const std::wstring folder = recent + L"\\";

  const bool recordAll = settings_.CbRecrodRecentDocument;
  std::optional<double> maxDays;
  if (!recordAll)
    maxDays = kFreshDays;
  else if (settings_.tbRecRecentDoc.Position() < settings_.tbRecRecentDoc.Max())
    maxDays = settings_.tbRecRecentDoc.Position();

  const std::vector<platform::DirectoryEntry> entries = platform_.files.FindFiles(folder + L"*.*");
  for (std::size_t i = 0; i < entries.size() && i < kListingLimit; ++i) {
    const platform::DirectoryEntry& entry = entries[i];
    Guarded(L"RecentDocuments.CollectRecentDocuments", [&] {
      if (entry.attributes & platform::FileAttributeDirectory) return;
      const std::uint32_t hiddenSystem = platform::FileAttributeHidden | platform::FileAttributeSystem;
      if ((entry.attributes & hiddenSystem) == hiddenSystem) return;  // desktop.ini
      // The listing already carries the shortcut's last write time.
      if (maxDays && !IsRecentTime(entry.lastWriteTime, *maxDays)) return;
      const std::wstring target = resolve::ExpandEnvToken(resolution_, resolve::ResolveShortcut(resolution_, folder + entry.name));
      tree::PathTests& paths = tree_.Paths();
      // Network shares have no drive letter and fail the drive test.
      if (!paths.WideIfValidFileFormat(target)) return;
      if (!paths.WideDirectoryExists(target) && !paths.WideFileExists(target)) return;
      if (recordAll && keep)
        tree_.AddToRecentList(target);
      else
        tree_.RecentDocs().Add(target);
    });
  }
}

bool RecentDocuments::IsRecentTime(std::uint64_t lastWriteTime, double days) {
  if (lastWriteTime == 0) return false;
  // File dates keep even seconds only.
  const std::uint64_t written = lastWriteTime - lastWriteTime % (2 * kFileTimeSecond);
  const double age =
      (static_cast<double>(platform_.system.UtcNowFileTime()) - static_cast<double>(written)) / kFileTimeDay;
  return age < days;
}

bool RecentDocuments::IsRecentEnough(const std::wstring& path, double days) {
  return GuardedOr(L"RecentDocuments.IsRecentEnough", false, [&] {
    if (path.find_first_of(L"*?") != std::wstring::npos) return false;  // a pattern, not a file
    const std::vector<platform::DirectoryEntry> found = platform_.files.FindFiles(text::Trim(path));
    if (found.size() != 1 || (found.front().attributes & platform::FileAttributeDirectory)) return false;
    return IsRecentTime(found.front().lastWriteTime, days);
  });
}

std::optional<std::uint32_t> RecentDocuments::Attributes(const std::wstring& path) {
  const std::wstring trimmed = text::Trim(path);
  if (trimmed.find_first_of(L"*?") != std::wstring::npos) return std::nullopt;  // a pattern, not a path
  const std::wstring entry = text::StripTrailingBackslash(trimmed);
  // A drive root is no entry of any listing.
  if (entry.size() <= 2) {
    if (platform_.files.DirectoryExists(trimmed)) return platform::FileAttributeDirectory;
    return std::nullopt;
  }
  const std::vector<platform::DirectoryEntry> found = platform_.files.FindFiles(entry);
  if (found.size() != 1) return std::nullopt;
  return found.front().attributes;
}

namespace {

// A recycle bin is a folder of its own: a path is in one when one of its
// folders is named "$RECYCLE.BIN", not when a name merely holds those letters.
bool InRecycleBin(const std::wstring& upper) {
  constexpr std::wstring_view bin = L"$RECYCLE.BIN";
  for (std::size_t at = upper.find(bin); at != std::wstring::npos; at = upper.find(bin, at + 1)) {
    const std::size_t end = at + bin.size();
    if ((at == 0 || upper[at - 1] == L'\\' || upper[at - 1] == L'/') &&
        (end == upper.size() || upper[end] == L'\\' || upper[end] == L'/'))
      return true;
  }
  return false;
}

}  // namespace

bool RecentDocuments::IsHiddenOrRecycled(const std::wstring& path) {
  return GuardedOr(L"RecentDocuments.IsHiddenOrRecycled", false, [&] {
    if (InRecycleBin(platform_.text.Upper(text::Trim(path)))) return true;
    const std::optional<std::uint32_t> attributes = Attributes(path);
    if (!attributes) return true;  // missing: nothing to record
    return (*attributes & (platform::FileAttributeHidden | platform::FileAttributeSystem)) != 0;
  });
}

std::wstring RecentDocuments::LinksFolder() {
  const std::wstring documents = platform_.folders.SpecialFolderPath(platform::SpecialFolder::Personal);
  if (text::Trim(documents).empty()) return L"";
  std::wstring folder = documents + L"\\" + ProductName + L"\\links\\";
  places::NormalizeFolderPath(folder);
  return folder;
}

std::wstring RecentDocuments::CopyShortcutToLinks(const std::wstring& shortcut) {
  return GuardedOr(L"RecentDocuments.CopyShortcutToLinks", shortcut, [&] {
    const std::wstring folder = LinksFolder();
    if (folder.empty()) return shortcut;
    if (!platform_.files.DirectoryExists(folder) && !platform_.files.CreateDirectoryTree(folder)) return shortcut;
    const std::wstring copy = folder + text::FileName(shortcut);
    if (Fold(copy) == Fold(shortcut)) return shortcut;
    const std::optional<std::string> bytes = platform_.files.ReadFile(shortcut);
    // A copy that failed must not stand in for the shortcut: an older copy
    // of the same name may point somewhere else.
    if (!bytes || !platform_.files.WriteFile(copy, *bytes)) return shortcut;
    return copy;
  });
}

bool RecentDocuments::RecordRecentDocuments() { return Record(false); }

bool RecentDocuments::RecordRecentFolderItems() { return Record(true); }

void RecentDocuments::StepGauge() {
  tree_.Host().PumpMessages();
  tree_.Host().AdvanceGauge();
}

bool RecentDocuments::Record(bool folderRefresh) {
  bool added = false;
  // Folders may have come or gone since the last pass: the tree's paths are
  // looked at afresh.
  tree_.InvalidateTreePaths();
  tree::PathTests& paths = tree_.Paths();
  tree::DocumentTreeHost& host = tree_.Host();
  // Adding items adds to the list, and a command run while messages are
  // pumped may rebuild it: walk a copy.
  const std::vector<std::wstring> recent = tree_.RecentDocs().Items();
  for (const std::wstring& listed : recent) {
    host.PumpMessages();
    Guarded(L"RecentDocuments.Record", [&] {
      std::wstring doc = resolve::ResolveShortcut(resolution_, listed);
      if (Fold(text::FileExtension(doc)) == L".lnk") doc = CopyShortcutToLinks(doc);
      if (IsHiddenOrRecycled(doc)) return;

      if (paths.WideDirectoryExists(doc)) {
        places::NormalizeFolderPath(doc);
        if (!tree_.CheckIfRecentDocInTreeNode(doc)) {
          tree_.AddDebugLine(L"has recent0,CurTargetFileName=" + doc + L",tmp" + listed);
          if (AddedToTree(tree_, doc, paths.GetDisplayName(doc))) added = true;
        }
        StepGauge();
        return;
      }

      std::wstring app = resolve::GetProgramPath(resolution_, resolve::GetAssociatedApplication(resolution_, doc));
      if (app.empty()) app = doc;
      const std::wstring appLower = Fold(app);

      if (!tree_.AppNodeExists(appLower, appLower)) {
        if (!tree_.CheckIfRecentDocInTreeNode(doc)) {
          host.PumpMessages();
          const bool appIsFolder = paths.WideDirectoryExists(appLower);
          const bool handOver =
              !folderRefresh || appIsFolder || unlisted_ == UnlistedProgramDocuments::AddWithProgram;
          tree_.AddDebugLine(L"has recent2,SociateAppPath=" + app + L",tmp" + listed);
          if (handOver) {
            const std::wstring item = resolve::GetProgramPath(resolution_, appIsFolder ? appLower : doc);
            // Reporting an item that stays out of the tree as new would save
            // an unchanged record on every refresh.
            if (AddedToTree(tree_, item, paths.GetDisplayName(item))) added = true;
          }
        }
        StepGauge();
        return;
      }

      if (!tree_.CheckIfRecentDocInTreeNode(doc)) {
        host.PumpMessages();
        tree_.AddDebugLine(L"has recent1,LowCaseSociAppPath=" + appLower + L",CurTargetFileName" + doc);
        if (AddedToTree(tree_, doc, paths.GetDisplayName(doc))) added = true;
      }
    });
  }
  return added;
}

}  // namespace kalvora::capture
