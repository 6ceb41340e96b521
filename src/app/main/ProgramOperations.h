#pragma once
#include "app/main/ShellIntegrationOperations.h"

namespace kalvora::app {

class TRevistoWindow;

// The operations of the running program: the shell integration, and the
// subsystems the main window owns (records, the recently open folders).
// Operations of subsystems not built yet keep their no-ops.
class ProgramOperations : public ShellIntegrationOperations {
 public:
  using ShellIntegrationOperations::ShellIntegrationOperations;
  // The window whose subsystems the operations reach; set before FormCreate.
  void Attach(TRevistoWindow* window) { window_ = window; }

  void OpenSelectedRecord() override;
  void RefreshRecentFolders() override;

 private:
  TRevistoWindow* window_ = nullptr;
};

}  // namespace kalvora::app
