#include "app/main/ProgramOperations.h"

#include "app/main/TRevistoWindow.h"

namespace kalvora::app {

void ProgramOperations::OpenSelectedRecord() {
  if (window_ && window_->HasDocuments()) window_->Records().OpenSelectedRecord();
}

void ProgramOperations::RefreshRecentFolders() {
  if (window_ && window_->HasDocuments()) window_->RecentFolders().RefreshRecentFolders();
}

}  // namespace kalvora::app
