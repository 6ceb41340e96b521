#include "places/NamedLocations.h"

#include <gtest/gtest.h>

#include "common/WideText.h"
#include "places/LaunchHarness.h"

namespace kalvora::places {
namespace {

using platform::sim::PlaceOpening;

// What one item should give: the answer, the text and path afterwards, and
// the one opening it causes with perform (a CSIDL, a command line, or a
// ShellExecute of rundll32 with these parameters); nothing when all are empty.
struct Case {
  const wchar_t* text;
  const wchar_t* path;
  int answer;
  const wchar_t* textAfter;
  const wchar_t* pathAfter;
  int csidl;                       // 0: no special folder
  const wchar_t* commandLine;      // "": no WinExec
  const wchar_t* viewerParameters; // "": no ShellExecute
};

const Case kCases[] = {
    // Windows of the shell's host programs, by title.
    {L"My Computer", L"C:\\WINDOWS\\explorer.exe", 1, L"My Computer", L"C:\\WINDOWS\\explorer.exe", 17, L"", L""},
    {L"Computer", L"C:\\Windows\\explorer.exe", 1, L"Computer", L"C:\\Windows\\explorer.exe", 17, L"", L""},
    {L"Windows Explorer", L"c:\\windows\\explorer.exe", 1, L"Windows Explorer", L"c:\\windows\\explorer.exe", 17, L"", L""},
    {L"Control Panel", L"C:\\Windows\\explorer.exe", 1, L"Control Panel", L"C:\\Windows\\explorer.exe", 3, L"", L""},
    {L"  Recycle Bin ", L" C:\\Windows\\Explorer.EXE ", 1, L"  Recycle Bin ", L" C:\\Windows\\Explorer.EXE ", 10, L"", L""},
    {L"My Network Places", L"C:\\Windows\\explorer.exe", 1, L"My Network Places", L"C:\\Windows\\explorer.exe", 18, L"", L""},
    {L"Network", L"C:\\Windows\\System32\\rundll32.exe", 1, L"Network", L"C:\\Windows\\System32\\rundll32.exe", 18, L"", L""},
    {L"Printers and Faxes", L"C:\\Windows\\System32\\dllhost.exe", 1, L"Printers and Faxes", L"C:\\Windows\\System32\\dllhost.exe", 4, L"", L""},
    // The file-name part only has to begin with the host's name.
    {L"My Computer", L"C:\\Windows\\explorer.exe /e,", 1, L"My Computer", L"C:\\Windows\\explorer.exe /e,", 17, L"", L""},
    // The photo viewer by its title: text and path become its name.
    {L"beach.jpg - Windows Photo Viewer", L"C:\\Windows\\System32\\dllhost.exe", 2, L"Windows Photo Viewer",
     L"Windows Photo Viewer", 0, L"", L"C:\\Windows\\system32\\shimgvw.dll,ImageView_Fullscreen Windows Photo Viewer"},
    {L"cat.png - Windows Picture and Fax Viewer", L"C:\\WINDOWS\\system32\\rundll32.exe", 2, L"Windows Photo Viewer",
     L"Windows Photo Viewer", 0, L"", L"C:\\Windows\\system32\\shimgvw.dll,ImageView_Fullscreen Windows Photo Viewer"},
    // The photo viewer by its command line (the file-name part still begins with rundll32.exe).
    {L"photo.jpg", L"C:\\Windows\\System32\\rundll32.exe shimgvw.dll,ImageView_Fullscreen photo.jpg", 1, L"photo.jpg",
     L"C:\\Windows\\System32\\rundll32.exe shimgvw.dll,ImageView_Fullscreen photo.jpg", 0, L"",
     L"C:\\Windows\\system32\\shimgvw.dll,ImageView_Fullscreen C:\\Windows\\System32\\rundll32.exe shimgvw.dll,"
     L"ImageView_Fullscreen photo.jpg"},
    // Control Panel pages shown by Explorer: the path becomes the text.
    {L"User Accounts", L"C:\\Windows\\explorer.exe", 2, L"User Accounts", L"User Accounts", 0,
     L"C:\\Windows\\system32\\control.exe /name Microsoft.UserAccounts", L""},
    {L"Network and Sharing Center", L"C:\\Windows\\explorer.exe", 2, L"Network and Sharing Center",
     L"Network and Sharing Center", 0, L"C:\\Windows\\system32\\control.exe /name Microsoft.NetworkandSharingCenter", L""},
    // A host window of any other title is an ordinary item.
    {L"D:\\Projects", L"C:\\Windows\\explorer.exe", 0, L"D:\\Projects", L"C:\\Windows\\explorer.exe", 0, L"", L""},
    // The management console: any title is taken as a page.
    {L"Device Manager", L"C:\\Windows\\System32\\mmc.exe", 1, L"Device Manager", L"C:\\Windows\\System32\\mmc.exe", 0,
     L"C:\\Windows\\system32\\control.exe /name Microsoft.DeviceManager", L""},
    // An item recorded with the page name as its path.
    {L"System", L"system", 1, L"System", L"System", 0, L"C:\\Windows\\system32\\control.exe /name Microsoft.System", L""},
    {L"Windows Update", L" WINDOWS UPDATE", 1, L"Windows Update", L"Windows Update", 0,
     L"C:\\Windows\\system32\\control.exe /name Microsoft.WindowsUpdate", L""},
    // Page name as the path but a different text, and place names of other programs.
    {L"System", L"windows firewall", 0, L"System", L"windows firewall", 0, L"", L""},
    {L"My Computer", L"C:\\Program Files\\Tool\\tool.exe", 0, L"My Computer", L"C:\\Program Files\\Tool\\tool.exe", 0, L"", L""},
    {L"Windows Photo Viewer", L"C:\\Tools\\viewer.exe", 0, L"Windows Photo Viewer", L"C:\\Tools\\viewer.exe", 0, L"", L""},
    {L"", L"", 0, L"", L"", 0, L"", L""},
};

TEST(OpenNamedLocation, AnswersRewritesAndOpensEachPlace) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(text::WideToUtf8(c.text) + " | " + text::WideToUtf8(c.path));
    testing::LaunchHarness h;
    std::wstring text = c.text, path = c.path;
    EXPECT_EQ(OpenNamedLocation(h.platform, text, path, true), c.answer);
    EXPECT_EQ(text, c.textAfter);
    EXPECT_EQ(path, c.pathAfter);

    std::size_t expectedPlaces = 0;
    if (c.csidl != 0) {
      ++expectedPlaces;
      ASSERT_FALSE(h.places().empty());
      EXPECT_EQ(h.places()[0].kind, PlaceOpening::Kind::SpecialFolder);
      EXPECT_EQ(h.places()[0].csidl, c.csidl);
      EXPECT_EQ(h.places()[0].owner, 0u);
    }
    if (*c.commandLine != 0) {
      ++expectedPlaces;
      ASSERT_FALSE(h.places().empty());
      EXPECT_EQ(h.places()[0].kind, PlaceOpening::Kind::CommandLine);
      EXPECT_EQ(h.places()[0].commandLine, c.commandLine);
      EXPECT_EQ(h.places()[0].show, platform::ShowCommand::ShowNormal);
    }
    EXPECT_EQ(h.places().size(), expectedPlaces);
    if (*c.viewerParameters != 0) {
      ASSERT_EQ(h.launches().size(), 1u);
      EXPECT_EQ(h.launches()[0].verb, L"open");
      EXPECT_EQ(h.launches()[0].file, L"rundll32.exe");
      EXPECT_EQ(h.launches()[0].parameters, c.viewerParameters);
    } else {
      EXPECT_TRUE(h.launches().empty());
    }
  }
}

TEST(OpenNamedLocation, WithoutPerformStartsNothingButRewritesTheSame) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(text::WideToUtf8(c.text) + " | " + text::WideToUtf8(c.path));
    testing::LaunchHarness h;
    std::wstring text = c.text, path = c.path;
    EXPECT_EQ(OpenNamedLocation(h.platform, text, path, false), c.answer);
    EXPECT_EQ(text, c.textAfter);
    EXPECT_EQ(path, c.pathAfter);
    EXPECT_TRUE(h.places().empty());
    EXPECT_TRUE(h.launches().empty());
  }
}

TEST(OpenNamedLocation, PageCommandLineUsesTheSystemFolder) {
  testing::LaunchHarness h;
  h.process.places().SetSystemDirectory(L"D:\\WINNT\\System32");
  std::wstring text = L"Programs and Features", path = L"C:\\Windows\\explorer.exe";
  EXPECT_EQ(OpenNamedLocation(h.platform, text, path, true), 2);
  ASSERT_EQ(h.places().size(), 1u);
  EXPECT_EQ(h.places()[0].commandLine, L"D:\\WINNT\\System32\\control.exe /name Microsoft.ProgramsandFeatures");
}

}  // namespace
}  // namespace kalvora::places
