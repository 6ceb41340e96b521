#include "support/ProgramFixture.h"

#include <shlobj.h>

namespace kalvora::program_tests {

namespace {

std::wstring KalvoraExe() { return WindowsPathOfBuildFile(KALVORA_EXE_PATH); }
std::wstring StandInExe() { return WindowsPathOfBuildFile(STANDIN_EXE_PATH); }

// A test that stopped half-way may leave a file where a folder belongs.
void RestoreFolder(const std::wstring& folder, bool existed, const SavedFile& settings) {
  if (FileExists(folder)) RemovePath(folder);
  if (!existed) {
    RemovePath(folder);
    return;
  }
  MakeFolder(folder);
  settings.Restore();
}

}  // namespace

SettingsPaths SettingsPaths::Locate() {
  SettingsPaths paths;
  const std::wstring documents = SpecialFolder(CSIDL_PERSONAL);
  const std::wstring common = SpecialFolder(CSIDL_COMMON_DOCUMENTS);
  if (documents.empty() || common.empty()) return paths;
  paths.userFolder = documents + L"\\Kalvora";
  paths.userFile = paths.userFolder + L"\\defualt.ini";
  paths.sharedFolder = common + L"\\Kalvora";
  paths.sharedFile = paths.sharedFolder + L"\\defualt.ini";
  paths.handOffFolder = documents + L"\\revisto";
  return paths;
}

void ProgramTest::SetUp() {
  EndProgramsBelow(ScratchFolder::Root());
  ASSERT_TRUE(TopLevelWindows(WindowQuery::OfClass(kMainWindowClass)).empty())
      << "a main window of another run is still open";

  paths_ = SettingsPaths::Locate();
  ASSERT_FALSE(paths_.userFolder.empty()) << "no My Documents or Common Documents folder";
  if (FileExists(paths_.userFolder)) RemovePath(paths_.userFolder);
  if (FileExists(paths_.sharedFolder)) RemovePath(paths_.sharedFolder);
  userFolderExisted_ = FolderExists(paths_.userFolder);
  sharedFolderExisted_ = FolderExists(paths_.sharedFolder);
  handOffFolderExisted_ = FolderExists(paths_.handOffFolder);
  savedUserFile_.emplace(paths_.userFile);
  savedSharedFile_.emplace(paths_.sharedFile);
  ::DeleteFileW(paths_.userFile.c_str());
  ::DeleteFileW(paths_.sharedFile.c_str());
  ASSERT_FALSE(FileExists(paths_.userFile));
  ASSERT_FALSE(FileExists(paths_.sharedFile));
}

void ProgramTest::TearDown() {
  programs_.clear();
  scratch_.clear();
  if (paths_.userFolder.empty()) return;
  RestoreFolder(paths_.userFolder, userFolderExisted_, *savedUserFile_);
  RestoreFolder(paths_.sharedFolder, sharedFolderExisted_, *savedSharedFile_);
  if (!handOffFolderExisted_) RemovePath(paths_.handOffFolder);
}

ScratchFolder& ProgramTest::NewScratchFolder() {
  const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
  return *scratch_.emplace_back(std::make_unique<ScratchFolder>(std::wstring(name.begin(), name.end())));
}

std::wstring ProgramTest::InstallProgram(bool withStandIn) {
  auto& folder = NewScratchFolder();
  const std::wstring exe = folder / L"kalvora.exe";
  if (!FolderExists(folder.Path()) || !CopyFileTo(KalvoraExe(), exe)) {
    ADD_FAILURE() << "cannot copy " << Utf8(KalvoraExe()) << " to " << Utf8(exe);
    return {};
  }
  if (withStandIn && !CopyFileTo(StandInExe(), folder / L"revistoadmin.exe")) {
    ADD_FAILURE() << "cannot copy " << Utf8(StandInExe());
    return {};
  }
  return exe;
}

std::wstring ProgramTest::InstallStandInAlone() {
  auto& folder = NewScratchFolder();
  if (!FolderExists(folder.Path()) || !CopyFileTo(StandInExe(), folder / L"revistoadmin.exe")) {
    ADD_FAILURE() << "cannot copy " << Utf8(StandInExe());
    return {};
  }
  return folder.Path();
}

StartedProgram& ProgramTest::Start(const std::wstring& exe, const std::wstring& arguments,
                                   const std::wstring& workingFolder) {
  auto& program = *programs_.emplace_back(std::make_unique<StartedProgram>(exe, arguments, workingFolder));
  EXPECT_TRUE(program.Started()) << "CreateProcessW failed for " << Utf8(exe) << ": error " << program.StartError();
  return program;
}

void ProgramTest::SkipFirstStartDialog() {
  ASSERT_TRUE(MakeFolder(paths_.userFolder));
  ASSERT_TRUE(WriteIni(paths_.userFile, kSection, L"CbNotShowAgain", L"1"));
}

HWND ProgramTest::WaitForMainWindow(const StartedProgram& program, DWORD timeoutMs) {
  return WaitForTopLevelWindow(WindowQuery::OfClass(kMainWindowClass).Of(program.Pid()).Visible(), timeoutMs);
}

HWND ProgramTest::WaitForSmartFolderDialog(const StartedProgram& program, DWORD timeoutMs) {
  return WaitForTopLevelWindow(
      WindowQuery::OfClass(kDialogClass).Titled(kSmartFolderCaption).Of(program.Pid()).Visible(), timeoutMs);
}

HWND ProgramTest::WaitForDialogOrMainWindow(const StartedProgram& program) {
  HWND shown = nullptr;
  WaitUntil(
      [&] {
        shown = WaitForSmartFolderDialog(program, 0);
        if (!shown) shown = WaitForMainWindow(program, 0);
        return shown != nullptr || !program.IsRunning();
      },
      kWindowTimeoutMs);
  return shown;
}

HWND ProgramTest::WaitForMainWindowPastDialog(const StartedProgram& program) {
  HWND main = nullptr;
  bool confirmed = false;
  WaitUntil(
      [&] {
        if (HWND dialog = WaitForSmartFolderDialog(program, 0); dialog && !confirmed) {
          if (HWND confirm = FindChild(dialog, L"Button", L"&Confirm")) confirmed = PressDialogButton(confirm);
        }
        main = WaitForMainWindow(program, 0);
        return main != nullptr || !program.IsRunning();
      },
      kWindowTimeoutMs * 2);
  return main;
}

std::optional<DWORD> ProgramTest::WaitForExitWatchingWindows(const StartedProgram& program, DWORD timeoutMs,
                                                             bool& mainWindowSeen) {
  mainWindowSeen = false;
  WaitUntil(
      [&] {
        if (!TopLevelWindows(WindowQuery::OfClass(kMainWindowClass).Of(program.Pid())).empty()) mainWindowSeen = true;
        return !program.IsRunning();
      },
      timeoutMs, 10);
  return program.WaitForExit(0);
}

void ProgramTest::CloseMainWindow(const StartedProgram& program, HWND window) {
  ASSERT_TRUE(::PostMessageW(window, WM_CLOSE, 0, 0));
  const auto exitCode = program.WaitForExit(kExitTimeoutMs);
  ASSERT_TRUE(exitCode.has_value()) << "still running after WM_CLOSE to its main window";
  EXPECT_EQ(*exitCode, 0u);
}

}  // namespace kalvora::program_tests
