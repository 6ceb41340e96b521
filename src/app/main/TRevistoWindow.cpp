#include "app/main/TRevistoWindow.h"

#include "common/ProductConstants.h"
#include "app/main/MenuDefinitions.h"
#include "app/main/WindowGeometry.h"
#include "common/Guarded.h"
#include "common/WideText.h"
#include "settings/Shortcuts.h"
#include "settings/StartWithWindows.h"
#include "settings/TaskbarPin.h"
#include "tree/StockImages.h"

namespace kalvora::app {

TRevistoWindow::TRevistoWindow(MainWindowContext context, MainWindowView& view)
    : context_(std::move(context)),
      view_(view),
      store_(context_.platform, context_.userSettings, context_.sharedSettings, context_.folders.userData,
             settingsDialog_, smartFolderDialog_, windowSettings_, *this) {}

void TRevistoWindow::FormCreate() {
  auto& platform = context_.platform;
  windowSettings_.StartupRecordIndex = -1;
  state_.StartingFlag = true;

  state_.MyDocumentsPath = platform.folders.SpecialFolderPath(platform::SpecialFolder::Personal);
  state_.MyDocumentsPathLower = text::LowerAscii(text::Trim(state_.MyDocumentsPath));
  layout_.tabsOwnerDrawn = !context_.wow64.IsWow64();
  documents_ = std::make_unique<tree::DocumentTree>(platform, context_.wow64, state_.MyDocumentsPath, *this,
                                                    tree::StockImagePresets());
  recordFile_ = std::make_unique<records::RecordFile>(platform, *documents_, *this, platform.system.ProgramFilePath());
  records_ = std::make_unique<records::RecordLibrary>(platform, *documents_, state_, layout_, store_, *this);
  recentDocuments_ =
      std::make_unique<capture::RecentDocuments>(platform, *documents_, settingsDialog_, windowSettings_);
  recentFolders_ = std::make_unique<recent::RecentFolderRecorder>(state_, smartFolderDialog_, store_,
                                                                  *recentDocuments_, *this, *records_);
  resolution_.emplace(resolve::ResolutionServices::From(platform));
  fileSearch_ = std::make_unique<tree::ProgramFileSearch>(platform.files, platform.pump);
  startMan_ = std::make_unique<capture::TWindowsStartMan>(*resolution_);
  documents_->SetProgramNames([this](const std::wstring& path) {
    return capture::ProgramNameOf(programNames_, context_.platform.text, path);
  });
  view_.AttachTrees({&documents_->TVDocs(), &documents_->TVApp(), &documents_->TVPath(), &documents_->TVDoc()},
                    documents_->ImageList222());

  resolve::TRunAsAdmin runAsAdmin(platform.system);
  state_.IsAdmin = runAsAdmin.IsAdmin();

  state_.OsName = text::LowerAscii(text::Trim(resolve::WindowsVersionText(platform.system.GetOsVersion())));
  layout_.caption = MainWindowCaption();
  layout_.applicationTitle = ProductName;
  context_.flags.ReplayAtStart = IsReplayAtStart(context_.commandLine);

  platform.pump.ProcessMessages();

  ApplyWindowGeometry();
  SetMenuBar(store_.ReadMenuBar());
  SetStatusBar(store_.ReadStatusBar());

  if (IsWindows7()) {
    Guarded(L"TRevistoWindow.FormCreate.PinToTaskbarOnce",
            [&] { settings::PinToTaskbarOnce(platform, context_.userSettings, ProductName); });
  }
  Guarded(L"TRevistoWindow.FormCreate.LoadSettings", [&] { store_.LoadSettings(); });
  Guarded(L"TRevistoWindow.FormCreate.ApplySettings", [&] { ApplySettings(); });
  // The refreshes add to the record they keep, so that what the user put
  // into it by hand, and items Windows has since pruned from the Recent
  // folder, outlive the run.
  OpenRecentFoldersRecord();
  RefreshRecentFolders();
  Guarded(L"TRevistoWindow.FormCreate.LoadSmartFolderSettings",
          [&] { store_.LoadSmartFolderSettings(true, view_.Handle()); });

  // The recently-open-folders layout.
  layout_.pages[window::PageAll].caption = window::RecentlyOpenFoldersCaption;
  layout_.pages[window::PageApplication].visible = false;
  layout_.pages[window::PageFileFolder].visible = false;
  layout_.toolPanelVisible = false;
  layout_.recordListVisible = false;
  Render();

  view_.SetTimer(TimerId::FirstRun, FirstRunIntervalMs, true);
}

void TRevistoWindow::OpenRecentFoldersRecord() {
  Guarded(L"TRevistoWindow.OpenRecentFoldersRecord", [&] {
    const std::wstring path = store_.RecordFolder() + records::RecentFoldersRecordName + records::RecordExtension;
    if (!context_.platform.files.FileExists(path)) return;  // the first run starts empty
    const int storedIndex = store_.ReadRecordListIndex();
    state_.CurrentRecordPath = path;
    // Through the library's own load, which selects the record and keeps a
    // record that did not load whole from being written over.
    if (records_->RefreshRecordList()) OpenSelectedRecord();
    // The start-up timer still finds the user's stored selection, and an
    // empty list when the refresh at creation saved nothing.
    store_.WriteRecordListIndex(storedIndex);
    layout_.recordList.clear();
    layout_.recordListIndex = -1;
  });
}

void TRevistoWindow::ApplyWindowGeometry() {
  auto& windows = context_.platform.windows;
  const auto screen = windows.PrimaryScreenSize();
  if (store_.ReadWindowIsNormal()) {
    auto monitors = windows.Monitors();
    if (monitors.empty()) {
      const platform::ScreenRect whole{0, 0, screen.width, screen.height};
      monitors.push_back({whole, whole, true});
    }
    view_.SetNormalGeometry(PlaceOnMonitors(store_.ReadWindowGeometry(screen.height), monitors));
  } else {
    view_.Maximize();
  }
  const int listWidth = store_.UserFile().ReadInteger(settings::SectionDefault, L"GbRecList", 120);
  windowSettings_.GbRecListWidth = listWidth > 0 ? listWidth : 120;
  layout_.recordListWidth = windowSettings_.GbRecListWidth;
}

void TRevistoWindow::OnTimer(TimerId timer) {
  switch (timer) {
    case TimerId::FirstRun:
      TimerFirstRunTimer();
      break;
    case TimerId::Finish:
      TimerFinishTimer();
      break;
    case TimerId::RecFolders:
      RefreshRecentFolders();
      break;
    case TimerId::FolderShortcuts:
      if (runningObjectMan_)
        Guarded(L"TRevistoWindow.OnTimer.WriteFolderShortcuts", [&] { runningObjectMan_->WriteFolderShortcuts(); });
      break;
  }
}

void TRevistoWindow::TimerFirstRunTimer() {
  view_.SetTimer(TimerId::FirstRun, FirstRunIntervalMs, false);
  Render();
  context_.platform.pump.ProcessMessages();
  context_.platform.system.Sleep(3);

  const CommandLine& commandLine = context_.commandLine;
  if (IsWindows7()) {
    Guarded(L"TRevistoWindow.TimerFirstRunTimer.EnsureSendToShortcut", [&] {
      settings::EnsureSendToShortcut(context_.platform, context_.platform.system.ProgramFilePath());
    });
  }

  if (layout_.recordList.empty()) {
    // Items handed over at the first start go into a new record.
    const std::wstring first = commandLine.First();
    if (!(first == SwitchInstall || first == SwitchRun || first.empty())) state_.NewRecordFlag = true;
  } else if (windowSettings_.StartupRecordIndex == -1) {
    RefreshRecentFolders();
  } else {
    const int storedIndex = store_.ReadRecordListIndex();
    if (context_.flags.ReplayAtStart) {
      SelectRecord(windowSettings_.StartupRecordIndex);
      OpenSelectedRecord();
    }
    SelectRecord(storedIndex);
    OpenSelectedRecord();
  }

  if (store_.ReadOpenWindowRequest() == 3) windowSettings_.cbSmartRecord = true;
  state_.StartupDone = true;
  state_.StartingFlag = false;
  Render();
}

void TRevistoWindow::SelectRecord(int index) {
  // An index the list does not have selects nothing.
  if (index >= 0 && index < static_cast<int>(layout_.recordList.size())) layout_.recordListIndex = index;
}

void TRevistoWindow::TimerFinishTimer() {
  view_.SetTimer(TimerId::Finish, FinishIntervalMs, false);
  layout_.progressPanelVisible = false;
  layout_.gaugePosition = 0;
  if (!settingsDialog_.Alwaysontop1) view_.SetTopmost(false);
  Render();
}

void TRevistoWindow::OnActivateApp(bool active) {
  if (!active || !state_.StartupDone) return;
  RefreshRecentFolders();
  state_.AddMemoLine(L"active rec");
}

void TRevistoWindow::OnExitSizeMove() { SaveWindowState(); }

void TRevistoWindow::SaveWindowState() {
  Guarded(L"TRevistoWindow.SaveWindowState", [&] {
    const WindowPlacement placement = view_.GetPlacement();
    // A minimised window is stored as it will come back: normal unless it
    // was maximised before.
    const bool normal = placement.normal || (placement.minimized && !placement.restoresMaximized);
    store_.SaveWindowState(normal, placement.geometry, layout_.recordListIndex);
  });
}

bool TRevistoWindow::FormCloseQuery() {
  SaveAtClose();
  return true;
}

void TRevistoWindow::OnEndSession() { SaveAtClose(); }

void TRevistoWindow::SaveAtClose() {
  state_.StopFlag = true;
  if (closeSaved_) return;
  closeSaved_ = true;
  SaveWindowState();
}

void TRevistoWindow::SetMenuBar(bool shown) {
  layout_.menuBarChecked = {shown, shown, shown};
  layout_.menuBarVisible = shown;
  store_.WriteMenuBar(shown);
}

void TRevistoWindow::SetStatusBar(bool shown) {
  layout_.statusBarChecked = {shown, shown};
  layout_.statusBarVisible = shown;
  store_.WriteStatusBar(shown);
}

void TRevistoWindow::ApplyTextSize(int size) {
  layout_.checkedTextSize = 0;
  for (Command c : {Command::TextSizeLargest, Command::TextSizeLarger, Command::TextSizeMedium,
                    Command::TextSizeSmaller, Command::TextSizeSmallest})
    if (TextSizeOf(c) == size) layout_.checkedTextSize = size;
  layout_.treeFontSize = size;
}

void TRevistoWindow::ArrangeTextSize(int size) {
  windowSettings_.TextSize = size;
  ApplyTextSize(size);
  store_.WriteTextSize(size);
  OpenSelectedRecord();
}

void TRevistoWindow::OpenSmartFolderSettings() { store_.LoadSmartFolderSettings(false, view_.Handle()); }

void TRevistoWindow::OpenHelp() {
  auto& files = context_.platform.files;
  auto& shell = context_.platform.shell;
  const std::wstring helpFile = ProgramFolder(context_.commandLine.ProgramPath()) + ProductName + L".chm";
  if (files.FileExists(helpFile))
    shell.Execute(view_.Handle(), L"open", helpFile, L"", L"", platform::ShowCommand::ShowNormal);
  else
    shell.Execute(0, L"Open", ProductHelpPage, L"", L"", platform::ShowCommand::ShowNormal);
}

void TRevistoWindow::OnCommand(Command command) {
  auto& platform = context_.platform;
  switch (command) {
    case Command::MenuBar1:
    case Command::MenuBar2:
    case Command::MenuBar3: {
      const size_t which = static_cast<size_t>(command == Command::MenuBar1 ? 0 : command == Command::MenuBar2 ? 1 : 2);
      SetMenuBar(!layout_.menuBarChecked[which]);
      break;
    }
    case Command::StatusBar1:
    case Command::StatusBar2:
      SetStatusBar(!layout_.statusBarChecked[command == Command::StatusBar1 ? 0 : 1]);
      break;
    case Command::TextSizeLargest:
    case Command::TextSizeLarger:
    case Command::TextSizeMedium:
    case Command::TextSizeSmaller:
    case Command::TextSizeSmallest:
      ArrangeTextSize(TextSizeOf(command));
      break;
    case Command::AppSettings:
    case Command::ControlSettings:
    case Command::Settings5:
      OpenSmartFolderSettings();
      break;
    case Command::Refresh2:
    case Command::Refresh3:
      RefreshRecentFolders();
      break;
    case Command::HelpContents:
      OpenHelp();
      break;
    case Command::HomePage:
      platform.shell.Execute(view_.Handle(), L"Open", ProductHomePage, L"", L"", platform::ShowCommand::ShowNormal);
      break;
    case Command::About:
      platform.dialogs.ShowModal(view_.Handle(), aboutBox_);
      break;
    case Command::Exit:
      view_.Close();
      break;
    case Command::SearchShortcut:
      layout_.searchChecked = true;
      layout_.searchPanelVisible = true;
      break;
    case Command::BtnStop: state_.StopFlag = true; break;
    case Command::Debug:
      Guarded(L"TRevistoWindow.OnCommand.ToggleDebugTrace", [&] { documents_->ToggleDebugTrace(); });
      break;
    // The search, replay and item commands have no subsystem to run yet.
    case Command::BtnSSSearch:
    case Command::ReplayAll2:
    case Command::Openfilelocation1:
    case Command::MnOpenDIr:
    case Command::MnOpen:
    case Command::OpenApplicationPath:
    case Command::ViewFullExpand:
    case Command::FullExpand1:
    case Command::ViewFullCollapse:
    case Command::FullCollapse1:
    case Command::Copyfilelocation1:
    case Command::CopyCtrlC1:
    case Command::CopyFile2:
    case Command::MnDeleteSelected:
    case Command::None: break;
  }
  Render();
}

void TRevistoWindow::OnRecordSelected(int index) {
  if (index < 0 || index >= static_cast<int>(layout_.recordList.size())) return;
  // While a long operation runs the click is skipped; the list shows the
  // selection it had.
  if (busy_) {
    Render();
    return;
  }
  layout_.recordListIndex = index;
  store_.WriteRecordListIndex(index);
  OpenSelectedRecord();
  Render();
}

void TRevistoWindow::OnPageSelected(int page) {
  if (page < 0 || page >= static_cast<int>(layout_.pages.size()) || !layout_.pages[page].visible) return;
  layout_.activePage = page;
  // "Recent" belongs to the All tree only.
  if (page != window::PageAll) layout_.recentMenuVisible = false;
  Render();
}

bool TRevistoWindow::IsStartWithWindows() {
  return settings::IsStartWithWindows(context_.platform.registry, ProductName);
}

void TRevistoWindow::ApplySettings() {
  view_.SetTopmost(settingsDialog_.Alwaysontop1);
  // The value names the product's file name in the running program's folder.
  const std::wstring runCommand = settings::StartWithWindowsCommandLine(
      settings::FolderOfPath(context_.platform.system.ProgramFilePath()), ProductExeName);
  settings::ApplyStartWithWindows(context_.platform.registry, ProductName, runCommand, settingsDialog_.CbRunWhenWS);
  if (!settingsDialog_.cbDisplayPCStartFilterList) layout_.startupFilterVisible = false;
  ApplyTextSize(windowSettings_.TextSize);
}

void TRevistoWindow::ApplyRefreshTimer(unsigned intervalMs, bool enabled) {
  recFoldersInterval_ = intervalMs;
  recFoldersEnabled_ = enabled;
  view_.SetTimer(TimerId::RecFolders, intervalMs, enabled);
}

void TRevistoWindow::Render() { view_.Render(layout_); }

void TRevistoWindow::OnTreeNodeExpanded(int page, tree::NodeId node, bool expanded) {
  if (page != window::PageAll || !documents_) return;
  const int index = documents_->TVDocs().Contains(node) ? documents_->TVDocs().Node(node).data.DocIndex : -1;
  if (documents_->Docs().Valid(index)) documents_->Docs().SetExpanded(index, expanded);
  records_->AllTreeExpansionChanged();
}

void TRevistoWindow::RefreshRecentFolders() {
  if (!recentFolders_) return;
  RunExclusive([&] {
    Guarded(L"TRevistoWindow.RefreshRecentFolders", [&] { recentFolders_->RefreshRecentFolders(); });
  });
}

void TRevistoWindow::OpenSelectedRecord() {
  if (!records_) return;
  RunExclusive([&] { Guarded(L"TRevistoWindow.OpenSelectedRecord", [&] { records_->OpenSelectedRecord(); }); });
}

bool TRevistoWindow::WriteRecord(const std::wstring& path) { return recordFile_->WriteRecordFile(path); }

bool TRevistoWindow::LoadRecord(const std::wstring& path) { return recordFile_->LoadRecord(path); }

void TRevistoWindow::StartFolderShortcuts() {
  if (!runningObjectMan_)
    runningObjectMan_ = std::make_unique<capture::TRunningObjectMan>(context_.platform, documents_->Paths(), *this);
  runningObjectMan_->StartFolderShortcuts();
}

void TRevistoWindow::ScanOpenFolderWindows() {
  capture::ScanOpenFolderWindows(context_.platform, documents_->Paths(), openFolderLists_);
}

bool TRevistoWindow::RecordRunningFolders() {
  return capture::RecordRunningFolders(context_.platform, *documents_, openFolderLists_);
}

bool TRevistoWindow::RecentItemsTracked() {
  return GuardedOr(L"TRevistoWindow.RecentItemsTracked", true,
                   [&] { return capture::RecentItemsTracked(context_.platform.registry); });
}

void TRevistoWindow::StartFolderShortcutTimer(unsigned intervalMs) {
  view_.SetTimer(TimerId::FolderShortcuts, intervalMs, true);
}

void TRevistoWindow::StopFolderShortcutTimer() { view_.SetTimer(TimerId::FolderShortcuts, 0, false); }

void TRevistoWindow::EnsureProgramNames() {
  if (state_.ProgramNamesLoaded || !resolution_) return;
  state_.ProgramNamesLoaded = true;
  Guarded(L"TRevistoWindow.EnsureProgramNames", [&] {
    capture::BuildProgramNameTable(programNames_, *resolution_, context_.platform.folders, *fileSearch_);
  });
}

void TRevistoWindow::ShowWebPageTab() {
  if (layout_.pages[window::PageWebPage].visible) return;
  layout_.pages[window::PageWebPage].visible = true;
  Render();
}

void TRevistoWindow::ShowHint(const std::wstring& path) {
  layout_.hintText = path;
  view_.ShowHint(path);
}

void TRevistoWindow::AdvanceGauge() { ++layout_.gaugePosition; }

void TRevistoWindow::PumpMessages() { context_.platform.pump.ProcessMessages(); }

void TRevistoWindow::TraceChanged() {
  layout_.traceVisible = documents_->Tracing();
  layout_.traceLines = documents_->TraceLines();
  // The trace memo takes the place of the hidden list page.
  layout_.hiddenListPageVisible = !layout_.traceVisible;
  Render();
}

}  // namespace kalvora::app
