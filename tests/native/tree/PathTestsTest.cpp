#include "tree/PathTests.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/sim/SimMachine.h"
#include "platform/sim/SimProcess.h"

namespace kalvora::tree {
namespace {

using platform::sim::SimMachine;
using platform::sim::SimProcess;

const std::wstring kDocuments = L"C:\\Users\\joe\\Documents";

struct PathTestsHarness {
  SimMachine machine;
  SimProcess process{machine};
  resolve::Wow64State wow64{process.system()};
  PathTests tests{process.Platform(), wow64, kDocuments};

  PathTestsHarness() {
    machine.files().AddFile(L"C:\\Users\\joe\\a.txt", "x");
    machine.files().AddFile(L"C:\\Users\\joe\\Documents\\notes.txt", "x");
    machine.files().AddFile(L"C:\\Tools\\archive.zip", "x");
    machine.files().AddFile(L"C:\\Tools\\odd tool.exe", "x");
    machine.files().CreateDirectoryTree(L"C:\\Projects\\Site");
  }
};

struct DriveCase {
  const wchar_t* path;
  bool validFormat;
  bool directory;
  bool file;
};

TEST(PathTests, DriveFolderAndFileTests) {
  PathTestsHarness h;
  h.machine.files().AddDrive(L'A');
  h.machine.files().AddFile(L"A:\\floppy.txt", "x");
  h.machine.files().AddDrive(L'D');
  const std::vector<DriveCase> cases = {
      {L"C:\\Users\\joe\\a.txt", true, false, true},
      {L"c:\\users\\JOE\\A.TXT", true, false, true},
      {L"C:\\Projects\\Site", true, true, false},
      {L"C:\\Projects\\missing.txt", true, false, false},
      {L"C:", true, true, false},
      {L"D:\\", true, true, false},
      // Drive A is refused even when it holds the file.
      {L"A:\\floppy.txt", false, false, false},
      {L"a:\\floppy.txt", false, false, false},
      {L"E:\\nothing", false, false, false},
      {L"\\\\server\\share\\a.txt", false, false, false},
      {L"a.txt", false, false, false},
      {L"file:///C:/Users/joe/a.txt", false, false, false},
      {L"http://host/page.html", false, false, false},
      {L"C", false, false, false},
      {L"", false, false, false},
  };
  for (const DriveCase& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(h.tests.WideIfValidFileFormat(c.path), c.validFormat);
    EXPECT_EQ(h.tests.WideDirectoryExists(c.path), c.directory);
    EXPECT_EQ(h.tests.WideFileExists(c.path), c.file);
  }
}

TEST(PathTests, DriveTypeDecidesWhetherTheDriveIsUsable) {
  PathTestsHarness h;
  h.machine.drives().SetDriveType(L'C', platform::DriveUnknown);
  EXPECT_FALSE(h.tests.WideIfValidFileFormat(L"C:\\Users"));
  EXPECT_FALSE(h.tests.WideFileExists(L"C:\\Users\\joe\\a.txt"));
  h.machine.drives().SetDriveType(L'c', platform::DriveRemote);
  EXPECT_TRUE(h.tests.WideFileExists(L"C:\\Users\\joe\\a.txt"));
  // A drive the system reports (a network drive) counts even when no files are known on it.
  h.machine.drives().SetDriveType(L'Z', platform::DriveRemote);
  EXPECT_TRUE(h.tests.WideIfValidFileFormat(L"Z:\\x"));
  EXPECT_FALSE(h.tests.WideIfValidFileFormat(L"Y:\\x"));
}

TEST(PathTests, FileTestsRunWithRedirectionOffAndRefusedPathsReachNoSystemCall) {
  PathTestsHarness h;
  h.process.system().SetWow64(true);
  EXPECT_TRUE(h.tests.WideFileExists(L"C:\\Users\\joe\\a.txt"));
  EXPECT_TRUE(h.tests.WideDirectoryExists(L"C:\\Projects"));
  EXPECT_EQ(h.process.system().RedirectionDisables(), 2);
  EXPECT_EQ(h.process.system().RedirectionDepth(), 0);

  EXPECT_FALSE(h.tests.WideFileExists(L"A:\\x.txt"));
  EXPECT_FALSE(h.tests.WideDirectoryExists(L"\\\\server\\share"));
  EXPECT_FALSE(h.tests.WideFileExists(L"E:\\x.txt"));
  EXPECT_EQ(h.process.system().RedirectionDisables(), 2);
}

struct TextCase {
  const wchar_t* path;
  bool web;
  bool excluded;
  bool folderLike;
};

TEST(PathTests, WebExcludedAndFolderLikePaths) {
  PathTestsHarness h;
  const std::vector<TextCase> cases = {
      {L"http://host/page", true, false, false},
      {L"  HTTPS://Host/Page  ", true, false, false},
      {L"see https://host", true, false, false},
      {L"ftp://host/file", false, false, false},
      {L"res://ieframe.dll/navcancl.htm", false, true, false},
      {L"RES://shdoclc.dll/x", false, true, false},
      {L"file:///C:/Users/joe", false, false, true},
      {L"FILE:///C:/Users/joe", false, false, true},
      {L"\\\\server\\share\\dir", false, false, true},
      {L"C:\\Projects\\Site", false, false, true},
      {L"  q:\\not\\there", false, false, true},
      // An existing file is not folder-like; a missing one on a drive path is.
      {L"C:\\Users\\joe\\a.txt", false, false, false},
      {L"C:\\Users\\joe\\gone.txt", false, false, true},
      {L"Windows Photo Viewer", false, false, false},
      {L"notepad.exe", false, false, false},
      {L"", false, false, false},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(h.tests.IsWebAddress(c.path), c.web);
    EXPECT_EQ(h.tests.IsExcludedPath(c.path), c.excluded);
    EXPECT_EQ(h.tests.IsFolderLikePath(c.path), c.folderLike);
  }
}

TEST(PathTests, GroupKeys) {
  PathTestsHarness h;
  const std::vector<std::pair<const wchar_t*, std::wstring>> cases = {
      {L"C:\\Users\\joe\\a.txt", L"C:\\Users"},
      {L"  C:\\Users\\joe\\a.txt  ", L"C:\\Users"},
      {L"D:\\report.doc", L"D:\\report.doc"},
      {L"C:\\", L"C:\\"},
      {L"C:/Users/joe/a.txt", L"C:\\Users"},
      {L"C:\\Users\\joe\\Documents\\notes.txt", kDocuments},
      {L"c:\\users\\JOE\\documents\\sub\\x.doc", kDocuments},
      {L"C:\\Users\\joe\\Documents", kDocuments},
      // A folder named like the documents folder, longer, is not inside it.
      {L"C:\\Users\\joe\\DocumentsOld\\2019", L"C:\\Users"},
      {L"file:///C:/Users/joe/DocumentsOld/2019", L"C:\\Users"},
      {L"file:///C:/Users/joe/Documents/My%20Notes.txt", kDocuments},
      {L"file:///C:/Users/joe/x", L"C:\\Users"},
      // The documents folder is matched in its own spelling, with backslashes.
      {L"file:///C:\\Users\\joe\\Documents\\notes.txt", kDocuments},
      {L"FILE:///c:\\users\\joe\\documents\\notes.txt", kDocuments},
      {L"file:///c:/users/joe/x", L"c:\\users"},
      {L"file:///D:/Music//Albums/one.mp3", L"D:\\Music"},
      {L"http://host/page.html", L"host"},
      {L"HTTPS://Example.com:8080/a/b", L"Example.com:8080"},
      {L"http://host", L"host"},
      {L"\\\\server\\share\\dir", L"\\\\server\\share\\dir"},
      {L"Windows Photo Viewer", L"Windows Photo Viewer"},
      {L"notepad.exe", L"notepad.exe"},
      {L"relative\\path\\x.txt", L"relative\\path\\x.txt"},
  };
  for (const auto& [path, key] : cases) {
    SCOPED_TRACE(path);
    EXPECT_EQ(h.tests.GetGroupKey(path), key);
  }
}

TEST(PathTests, WithoutDocumentsFolderNothingGroupsUnderIt) {
  SimMachine machine;
  SimProcess process{machine};
  resolve::Wow64State wow64{process.system()};
  PathTests tests{process.Platform(), wow64, L""};
  EXPECT_EQ(tests.GetGroupKey(L"C:\\Users\\joe\\a.txt"), L"C:\\Users");
  EXPECT_EQ(tests.GetGroupKey(L"file:///C:/Users/joe/x"), L"C:\\Users");
  EXPECT_EQ(tests.GetGroupKey(L"http://host/page"), L"host");
}

// One path, however it arrives, comes out in one form; a name on disk that
// really holds "%20" keeps it.
TEST(PathTests, CanonicalPathIsOneFormForEverySpelling) {
  PathTestsHarness h;
  h.machine.files().AddFile(L"C:\\Users\\joe\\My%20Notes.txt", "x");
  h.machine.files().CreateDirectoryTree(L"C:\\Users\\joe\\a%20b.txt");
  const std::vector<std::pair<const wchar_t*, std::wstring>> cases = {
      {L"C:\\Users\\joe\\My%20Notes.txt", L"C:\\Users\\joe\\My%20Notes.txt"},
      {L"file:///C:/Users/joe/My%2520Notes.txt", L"C:\\Users\\joe\\My%20Notes.txt"},
      {L"C:\\Users\\joe\\a%20b.txt", L"C:\\Users\\joe\\a%20b.txt"},
      {L"C:/Users/joe//a%20b.txt", L"C:\\Users\\joe\\a%20b.txt"},
      {L"C:\\Users\\joe\\Other%20Notes.txt", L"C:\\Users\\joe\\Other Notes.txt"},  // not on disk
      {L"  D:/New/Folder ", L"D:\\New\\Folder"},
      {L"D:\\New//Folder\\", L"D:\\New\\Folder\\"},
      {L"file:///D:/C%23%20code", L"D:\\C# code"},
      {L"file://server/share/a%20b", L"\\\\server\\share\\a b"},
      {L"\\\\server\\share\\\\dir", L"\\\\server\\share\\dir"},
      {L"http://host/a%20b//c", L"http://host/a b//c"},
      {L"Windows Photo Viewer", L"Windows Photo Viewer"},
  };
  for (const auto& [path, canonical] : cases) {
    SCOPED_TRACE(path);
    EXPECT_EQ(h.tests.CanonicalPath(path), canonical);
    EXPECT_EQ(h.tests.CanonicalPath(canonical), canonical);
  }
}

TEST(PathTests, DisplayNames) {
  PathTestsHarness h;
  h.machine.files().CreateDirectoryTree(L"C:\\My Files");
  const std::vector<std::pair<const wchar_t*, std::wstring>> cases = {
      {L"C:\\a\\report.final.docx", L"report.final"},
      {L"C:\\a\\archive.tar.gz", L"archive.tar"},
      {L"C:\\a\\README", L"README"},
      {L"C:\\a\\name.txt  ", L"name"},
      {L"C:\\dir.v2\\plain", L"plain"},
      {L"C:name.txt", L"name"},
      {L"notepad.exe", L"notepad"},
      {L"C:\\Projects\\Site\\", L"Site"},
      {L"C:\\Projects\\Site\\\\", L"Site"},
      {L"C:\\", L"C:"},
      {L"file:///C:/My%20Files\\", L"My Files"},
      {L"C:\\My%20Files\\", L"My Files"},
      {L"C:\\Missing\\", L"C:\\Missing\\"},
      {L"file:///C:/Missing%20One\\", L"C:\\Missing One\\"},
  };
  for (const auto& [path, name] : cases) {
    SCOPED_TRACE(path);
    EXPECT_EQ(h.tests.GetDisplayName(path), name);
  }
}

TEST(PathTests, PathIcons) {
  PathTestsHarness h;
  const std::vector<std::pair<const wchar_t*, int>> cases = {
      {L"C:\\Projects\\Site", 0},
      {L"http://host/a.zip", 2},
      {L"HTTP://host/", 2},
      {L"C:\\Tools\\archive.zip", 9},
      {L"C:\\x\\b.RAR", 9},
      {L"C:\\x\\c.tar", 9},
      {L"C:\\Program Files\\WinRAR\\WinRAR.exe", 9},
      {L"C:\\x\\page.htm", 2},
      {L"https://host/index.php", 2},
      {L"C:\\x\\page.aspx", 2},
      {L"C:\\x\\photo.JPEG", 3},
      {L"C:\\x\\icon.ico", 3},
      {L"C:\\x\\draw.emf", 3},
      {L"C:\\x\\doc.txt", 12},
      {L"Windows Photo Viewer", 12},
      // Drive A is never probed, so even a folder there is not the folder icon.
      {L"A:\\", 12},
  };
  for (const auto& [path, icon] : cases) {
    SCOPED_TRACE(path);
    EXPECT_EQ(h.tests.GetPathIconIndex(path), icon);
  }
}

struct FileIconCase {
  const wchar_t* path;
  int icon;
};

TEST(PathTests, FileIconsFromTheProgramAndExtensionTables) {
  PathTestsHarness h;
  int fileIconCalls = 0;
  const FileIconSource fromFile = [&](const std::wstring&, const std::wstring&) {
    ++fileIconCalls;
    return 100;
  };
  const std::vector<FileIconCase> cases = {
      {L"C:\\Windows\\notepad.exe", 9},
      {L"  C:\\WINDOWS\\NOTEPAD.EXE ", 9},
      {L"C:\\Windows\\System32\\mspaint.exe", 55},
      {L"C:\\Program Files\\Mozilla Firefox\\firefox.exe", 13},
      {L"safari.exe", 14},
      {L"bdslauncher.exe", 15},
      {L"C:\\Program Files\\WinRAR\\WinRAR.exe", 16},
      {L"msnmsgr.exe", 17},
      {L"chrome.exe", 18},
      {L"opera.exe", 19},
      {L"revisto.exe", 20},
      {L"RevistoSetup.exe", 20},
      {L"7zFM.exe", 21},
      {L"7zG.exe", 21},
      {L"AcroRd32.exe", 22},
      {L"calc.exe", 23},
      {L"bckgzm.exe", 24},
      {L"bdeadmin.exe", 25},
      {L"chess.exe", 26},
      {L"chkrzm.exe", 27},
      {L"cmd.exe", 28},
      {L"control.exe", 29},
      {L"datapump.exe", 30},
      {L"dbd32.exe", 31},
      {L"dbexplor.exe", 32},
      {L"delphi32.exe", 33},
      {L"DisplaySwitch.exe", 34},
      {L"DVDMaker.exe", 35},
      {L"ehshell.exe", 36},
      {L"EXCEL.EXE", 37},
      {L"C:\\Windows\\explorer.exe", 38},
      {L"FreeCell.exe", 39},
      {L"Hearts.exe", 40},
      {L"HelpPane.exe", 41},
      {L"wmplayer.exe", 42},
      {L"iscsicpl.exe", 44},
      {L"Mahjong.exe", 45},
      {L"mblctr.exe", 46},
      {L"WINWORD.EXE", 47},
      {L"regedit.exe", 51},
      {L"MovieMaker.exe", 52},
      {L"mobsync.exe", 53},
      {L"msconfig.exe", 54},
      {L"MSOXMLED.EXE", 56},
      {L"SnippingTool.exe", 57},
      {L"SoundRecorder.exe", 58},
      {L"sidebar.exe", 59},
      {L"WLStartup.exe", 60},
      {L"wlmail.exe", 61},
      {L"WindowsLiveWriter.exe", 62},
      {L"WLXPhotoGallery.exe", 63},
      {L"wscript.exe", 64},
      {L"notepad++.exe", 66},
      {L"MineSweeper.exe", 67},
      {L"wordpad.exe", 68},
      {L"ytd.exe", 69},
      {L"C:\\Windows\\System32\\rundll32.exe", 70},
      {L"StikyNot.exe", 71},
      {L"Solitaire.exe", 72},
      {L"SpiderSolitaire.exe", 73},
      {L"hh.exe", 74},
      {L"icofx.exe", 75},
      {L"C:\\Tools\\archive.zip", 77},
      {L"C:\\x\\lib.DLL", 50},
      {L"C:\\x\\sheet.xls", 49},
      {L"C:\\x\\letter.doc", 48},
      {L"C:\\x\\sound.wav", 43},
      {L"C:\\x\\script.js", 65},
      {L"C:\\x\\a.jpg", 8},
      {L"C:\\x\\a.jpeg", 8},
      {L"C:\\x\\a.gif", 8},
      {L"C:\\x\\a.txt", 9},
      {L"C:\\x\\a.bmp", 10},
      {L"C:\\x\\a.ini", 11},
      {L"C:\\My%20Pictures\\a%20b.gif", 8},
      // The extension must be the whole extension, not a prefix of a longer one.
      {L"C:\\x\\letter.docx", 100},
      {L"C:\\x\\page.html", 1},
      {L"C:\\x\\page.HTM", 1},
      {L"http://host/file.zip", 1},
      {L"see https:host", 1},
      {L"C:\\Program Files\\Internet Explorer\\iexplore.exe", 1},
      {L"rundll32.exe C:\\WINDOWS\\System32\\shimgvw.dll,ImageView_Fullscreen C:\\a.jpg", 7},
      {L"Windows Photo Viewer", 7},
      {L"C:\\Projects\\Site", 0},
  };
  for (const FileIconCase& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(h.tests.GetFileIconIndex(c.path, L"title", fromFile), c.icon);
  }
  EXPECT_EQ(fileIconCalls, 1);
}

TEST(PathTests, UnlistedFilesTakeTheirIconFromTheFile) {
  PathTestsHarness h;
  std::vector<std::pair<std::wstring, std::wstring>> asked;
  int next = 1;
  const FileIconSource fromFile = [&](const std::wstring& path, const std::wstring& title) {
    asked.emplace_back(path, title);
    return next++;
  };
  EXPECT_EQ(h.tests.GetFileIconIndex(L" C:\\Tools\\Odd%20Tool.exe ", L"Odd Tool", fromFile), 1);
  EXPECT_EQ(h.tests.GetFileIconIndex(L"C:\\Tools\\Odd Tool.exe", L"Odd Tool", fromFile), 2);
  // A shortcut is asked for by its own path, not by the title.
  EXPECT_EQ(h.tests.GetFileIconIndex(L"C:\\Links\\Site.LNK", L"Control Panel", fromFile), 3);
  const std::vector<std::pair<std::wstring, std::wstring>> expected = {
      {L"c:\\tools\\odd tool.exe", L"Odd Tool"},
      {L"c:\\tools\\odd tool.exe", L"Odd Tool"},
      {L"c:\\links\\site.lnk", L"c:\\links\\site.lnk"},
  };
  EXPECT_EQ(asked, expected);
}

}  // namespace
}  // namespace kalvora::tree
