// Records the program cannot take whole, opened by the real program under
// Wine: the window keeps answering, and the file is never written over.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "app/main/Commands.h"
#include "support/ProgramFixture.h"
#include "support/ShellShortcuts.h"

namespace kalvora::program_tests {
namespace {

std::string NestedRecord(int depth) {
  std::string text = "<?xml version=\"1.0\"?><revistotree app=\"C:\\k.exe\">";
  const std::string item =
      "<item text=\"deep\" path=\"C:\\deep\" imageIndex=\"0\" stateIndex=\"-1\" docType=\"3\" extand=\"1\">";
  for (int i = 0; i < depth; ++i) text += item;
  for (int i = 0; i < depth; ++i) text += "</item>";
  return text + "</revistotree>";
}



// The window answers a message within the time a user would wait.
bool Answers(HWND window) {
  DWORD_PTR result = 0;
  return ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result) != 0;
}

TEST_F(ProgramTest, RecordNestedTooDeepLoadsWithoutFreezingAndIsNeverWrittenOver) {
  SkipFirstStartDialog();
  const std::wstring exe = InstallProgram();
  ASSERT_FALSE(exe.empty());
  const std::wstring home = exe.substr(0, exe.rfind(L'\\'));
  const std::wstring records = home + L"\\records\\";
  ASSERT_TRUE(MakeFolder(records));
  const std::wstring record = records + L"Deep.revisto";
  const std::string original = NestedRecord(300);
  ASSERT_TRUE(WriteBytes(record, original));
  ASSERT_TRUE(WriteIni(Paths().userFile, kSection, L"EdtRECPath", records));
  // The only record is opened at start.
  ASSERT_TRUE(WriteIni(Paths().userFile, kSection, L"RECIndWhenStartup", L"0"));
  ASSERT_TRUE(WriteIni(Paths().userFile, kSection, L"LbRECs", L"0"));

  auto& program = Start(exe);
  HWND window = WaitForMainWindow(program);
  ASSERT_NE(window, nullptr);
  for (int i = 0; i < 20; ++i) {
    EXPECT_TRUE(Answers(window)) << "no answer " << i;
    ::Sleep(100);
  }

  // A folder opened meanwhile makes the refresh save; whatever it saves
  // into, the record that did not load whole stays as it was, in its place
  // or kept beside it.
  ::CoInitialize(nullptr);
  const std::wstring opened = home + L"\\Work\\Opened";
  ASSERT_TRUE(MakeFolder(opened));
  const std::wstring link = SpecialFolder(CSIDL_RECENT) + L"\\Opened.lnk";
  ASSERT_TRUE(WriteShortcut(link, opened));
  ::PostMessageW(window, WM_COMMAND, static_cast<WPARAM>(app::Command::Refresh2), 0);
  ::Sleep(4000);
  ::DeleteFileW(link.c_str());
  ::CoUninitialize();
  EXPECT_TRUE(Answers(window));
  const auto inPlace = ReadBytes(record);
  const auto kept = ReadBytes(record + L".unread");
  EXPECT_TRUE((inPlace && *inPlace == original) || (kept && *kept == original));
  // The save is a whole record that holds the folder, wherever it went.
  bool savedWhole = false;
  WIN32_FIND_DATAW found;
  HANDLE find = ::FindFirstFileW((records + L"*.revisto").c_str(), &found);
  ASSERT_NE(find, INVALID_HANDLE_VALUE);
  do {
    const auto bytes = ReadBytes(records + found.cFileName);
    if (bytes && bytes->find("Work\\Opened") != std::string::npos &&
        bytes->find("</revistotree>") != std::string::npos)
      savedWhole = true;
  } while (::FindNextFileW(find, &found));
  ::FindClose(find);
  EXPECT_TRUE(savedWhole) << "the refresh wrote no whole record";
  CloseMainWindow(program, window);
}

}  // namespace
}  // namespace kalvora::program_tests
