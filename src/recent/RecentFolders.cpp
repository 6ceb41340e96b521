#include "recent/RecentFolders.h"

namespace kalvora::recent {

RecentFolderRecorder::RecentFolderRecorder(window::MainWindowState& state,
                                           settings::TFrmSmartFolderSetting& smartFolderSettings,
                                           settings::SettingsStore& store, capture::RecentDocuments& recentDocuments,
                                           RecentFoldersHost& host, records::RecordLibrary& records)
    : state_(state),
      smartFolderSettings_(smartFolderSettings),
      store_(store),
      recentDocuments_(recentDocuments),
      host_(host),
      records_(records) {}

void RecentFolderRecorder::RefreshRecentFolders() {
  if (smartFolderSettings_.CbRealTimeRecFolder) {
    state_.AddMemoLine(L"real-time rec folder");
    // The next save goes to the recently-open-folders record.
    state_.FolderRecordFlag = true;
    state_.CurrentRecordPath =
        store_.RecordFolder() + records::RecentFoldersRecordName + records::RecordExtension;
    host_.StartFolderShortcuts();
    const bool tracked = host_.RecentItemsTracked();
    if (!tracked && !trackingOffNoted_) state_.AddMemoLine(RecentItemsOffLine);
    trackingOffNoted_ = !tracked;
  }
  if (smartFolderSettings_.CbRefreshRecentFolder) {
    state_.AddMemoLine(L" rec exists folder");
    AddRecentFoldersToTree();
  }
}

void RecentFolderRecorder::AddRecentFoldersToTree() {
  recentDocuments_.CollectRecentDocuments();
  const bool documentsAdded = recentDocuments_.RecordRecentFolderItems();
  host_.ScanOpenFolderWindows();
  const bool foldersAdded = host_.RecordRunningFolders();
  // Nothing new, nothing saved: the record on disk already holds the tree.
  if (foldersAdded || documentsAdded || state_.NewRecordFlag) records_.SaveAndRefresh();
}

}  // namespace kalvora::recent
