#pragma once
// The frame every program test runs in: fresh settings files, copies of the
// program in scratch folders, and nothing left running or lying around after.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "support/ProgramDriver.h"

namespace kalvora::program_tests {

inline const std::wstring kMainWindowClass = L"TRevistoWindow";
inline const std::wstring kDialogClass = L"#32770";
inline const std::wstring kSmartFolderCaption = L"Smart Folder Settings";
inline const std::wstring kSection = L"default";

// Where the program keeps its settings in the current Wine prefix.
struct SettingsPaths {
  std::wstring userFolder;    // <My Documents>\Kalvora
  std::wstring userFile;      // ...\defualt.ini
  std::wstring sharedFolder;  // <Common Documents>\Kalvora
  std::wstring sharedFile;
  std::wstring handOffFolder;  // <My Documents>\revisto, written by a second start
  static SettingsPaths Locate();
};

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  const SettingsPaths& Paths() const { return paths_; }

  // A copy of kalvora.exe in a scratch folder of its own; with the stand-in
  // beside it as revistoadmin.exe when asked. Empty on failure.
  std::wstring InstallProgram(bool withStandIn = false);
  // A scratch folder with only the stand-in in it, as revistoadmin.exe.
  std::wstring InstallStandInAlone();
  // Started programs are stopped when the test ends.
  StartedProgram& Start(const std::wstring& exe, const std::wstring& arguments = L"",
                        const std::wstring& workingFolder = L"");

  // Tests that are not about the first-start dialog keep it away.
  void SkipFirstStartDialog();

  HWND WaitForMainWindow(const StartedProgram& program, DWORD timeoutMs = kWindowTimeoutMs);
  HWND WaitForSmartFolderDialog(const StartedProgram& program, DWORD timeoutMs = kWindowTimeoutMs);
  // The main window once shown, confirming the first-start dialog on the way
  // when it comes.
  HWND WaitForMainWindowPastDialog(const StartedProgram& program);
  // Whatever shows first: the dialog or the main window.
  HWND WaitForDialogOrMainWindow(const StartedProgram& program);

  // Waits for the program to end, noting whether it ever had a main window.
  std::optional<DWORD> WaitForExitWatchingWindows(const StartedProgram& program, DWORD timeoutMs,
                                                  bool& mainWindowSeen);

  // Closes the main window as the user would and expects a clean end.
  void CloseMainWindow(const StartedProgram& program, HWND window);

 private:
  ScratchFolder& NewScratchFolder();

  SettingsPaths paths_;
  bool userFolderExisted_ = false;
  bool sharedFolderExisted_ = false;
  bool handOffFolderExisted_ = false;
  std::optional<SavedFile> savedUserFile_;
  std::optional<SavedFile> savedSharedFile_;
  std::vector<std::unique_ptr<ScratchFolder>> scratch_;
  std::vector<std::unique_ptr<StartedProgram>> programs_;
};

}  // namespace kalvora::program_tests
