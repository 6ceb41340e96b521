#include "places/ShellOpeners.h"

#include <gtest/gtest.h>

#include "common/WideText.h"
#include "places/FolderPaths.h"
#include "places/LaunchHarness.h"
#include "places/PhotoViewer.h"

namespace kalvora::places {
namespace {

using platform::sim::PlaceOpening;

TEST(NormalizeFolderPath, OneTrailingBackslashNoDoubles) {
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L"  C:\\\\a\\\\\\b  ", L"C:\\a\\b\\"},
      {L"C:\\a", L"C:\\a\\"},
      {L"C:\\a\\", L"C:\\a\\"},
      {L"C:\\a\\\\", L"C:\\a\\"},
      {L"C:\\", L"C:\\"},
      {L"C:\\a\\\\\\\\b", L"C:\\a\\b\\"},
      {L"\\\\server\\share", L"\\\\server\\share"},
      {L"  \\\\server\\share\\\\x ", L"\\\\server\\share\\\\x"},  // UNC: only trimmed
      {L"   ", L""},
      {L"", L""},
  };
  for (const auto& [in, out] : cases) {
    std::wstring path = in;
    NormalizeFolderPath(path);
    EXPECT_EQ(path, out) << text::WideToUtf8(in);
  }
}

TEST(IsPhotoViewerCommand, LibraryCommandsAndViewerNames) {
  testing::LaunchHarness h;
  const std::pair<const wchar_t*, bool> cases[] = {
      {L"rundll32.exe C:\\Windows\\System32\\shimgvw.dll,ImageView_Fullscreen C:\\a.jpg", true},
      {L"C:\\WINDOWS\\System32\\RUNDLL32.EXE \"C:\\Program Files\\Windows Photo Viewer\\PhotoViewer.dll\", ImageView_Fullscreen x", true},
      {L"Photo Viewer", true},
      {L"PHOTO VIEWER - a.jpg", true},
      {L"Windows Photo Viewer", true},
      {L"windows picture and fax viewer", true},
      {L"Picture and Fax Viewer", true},
      {L"rundll32.exe shell32.dll,Control_RunDLL", false},
      {L"C:\\Windows\\System32\\shimgvw.dll", false},  // the library alone is not a command
      {L"My Photo Viewer", false},                     // the name must come first
      {L"", false},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(IsPhotoViewerCommand(h.platform, text), expected) << text::WideToUtf8(text);
}

TEST(OpenInPhotoViewer, StartsRundllWithTheViewerEntryAndTheFile) {
  testing::LaunchHarness h;
  h.process.environment().Set(L"SystemRoot", L"D:\\WIN");
  OpenInPhotoViewer(h.platform, L"C:\\My Pictures\\a b.jpg", 0x77);
  ASSERT_EQ(h.launches().size(), 1u);
  const auto& launch = h.launches()[0];
  EXPECT_EQ(launch.owner, 0x77u);
  EXPECT_EQ(launch.verb, L"open");
  EXPECT_EQ(launch.file, L"rundll32.exe");
  EXPECT_EQ(launch.parameters, L"D:\\WIN\\system32\\shimgvw.dll,ImageView_Fullscreen C:\\My Pictures\\a b.jpg");
  EXPECT_EQ(launch.show, platform::ShowCommand::ShowNormal);
}

TEST(ExploreFolder, ExploreVerbOnTheFolderAndTheSystemResult) {
  testing::LaunchHarness h;
  h.machine.launches().FailLaunch(L"D:\\Gone", 2);
  EXPECT_GT(ExploreFolder(h.platform, L"D:\\Projects", 0x55), 32);
  EXPECT_EQ(ExploreFolder(h.platform, L"d:\\gone"), 2);
  ASSERT_EQ(h.launches().size(), 2u);
  EXPECT_EQ(h.launches()[0].verb, L"explore");
  EXPECT_EQ(h.launches()[0].file, L"D:\\Projects");
  EXPECT_EQ(h.launches()[0].owner, 0x55u);
  EXPECT_TRUE(h.launches()[0].parameters.empty());
}

TEST(OpenSpecialFolder, RecordsThePlaceAndOwner) {
  testing::LaunchHarness h;
  OpenSpecialFolder(h.platform, kCsidlNetwork);
  OpenSpecialFolder(h.platform, kCsidlBitBucket, 0x99);
  ASSERT_EQ(h.places().size(), 2u);
  EXPECT_EQ(h.places()[0].kind, PlaceOpening::Kind::SpecialFolder);
  EXPECT_EQ(h.places()[0].csidl, 18);
  EXPECT_EQ(h.places()[0].owner, 0u);
  EXPECT_EQ(h.places()[1].csidl, 10);
  EXPECT_EQ(h.places()[1].owner, 0x99u);
  EXPECT_TRUE(h.launches().empty());
}

TEST(ControlPanelPage, CommandLineKeepsLetterCaseAndDropsBlanks) {
  testing::LaunchHarness h;
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"User Accounts", L"C:\\Windows\\system32\\control.exe /name Microsoft.UserAccounts"},
      {L" windows  firewall ", L"C:\\Windows\\system32\\control.exe /name Microsoft.windowsfirewall"},
      {L"System", L"C:\\Windows\\system32\\control.exe /name Microsoft.System"},
  };
  for (const auto& [text, line] : cases) EXPECT_EQ(ControlPanelPageCommandLine(h.platform, text), line);
  OpenControlPanelPage(h.platform, L"User Accounts");
  ASSERT_EQ(h.places().size(), 1u);
  EXPECT_EQ(h.places()[0].kind, PlaceOpening::Kind::CommandLine);
  EXPECT_EQ(h.places()[0].commandLine, cases[0].second);
  EXPECT_EQ(h.places()[0].show, platform::ShowCommand::ShowNormal);
}

TEST(ControlPanelPage, KnownPageNames) {
  testing::LaunchHarness h;
  for (const wchar_t* name : {L"system", L"Windows Update", L" WINDOWS FIREWALL ", L"user accounts",
                              L"Programs and Features", L"network and sharing center"})
    EXPECT_TRUE(IsControlPanelPageName(h.platform, name)) << text::WideToUtf8(name);
  for (const wchar_t* name : {L"", L"systems", L"device manager", L"useraccounts"})
    EXPECT_FALSE(IsControlPanelPageName(h.platform, name)) << text::WideToUtf8(name);
}

}  // namespace
}  // namespace kalvora::places
