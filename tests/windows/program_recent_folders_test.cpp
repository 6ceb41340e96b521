// The program's main job under Wine: folders the user opened recently appear
// in the "Recently Open Folders" tree and are saved as the record
// "Recent Folders", at start and again at once on Ctrl+R.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main/Commands.h"
#include "support/ProgramFixture.h"
#include "support/ShellShortcuts.h"

namespace kalvora::program_tests {
namespace {



// The texts of a tree view in another process, depth first, children
// indented by two blanks. The item buffer lives in that process.
std::vector<std::wstring> TreeTexts(HWND tree, DWORD pid) {
  std::vector<std::wstring> texts;
  HANDLE process = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (!process) return texts;
  constexpr SIZE_T kTextChars = 512;
  auto* remote = static_cast<char*>(
      ::VirtualAllocEx(process, nullptr, sizeof(TVITEMW) + kTextChars * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE));
  auto walk = [&](auto&& self, HTREEITEM item, int depth) -> void {
    for (; item; item = reinterpret_cast<HTREEITEM>(
                      ::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
      TVITEMW request = {};
      request.mask = TVIF_TEXT;
      request.hItem = item;
      request.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(TVITEMW));
      request.cchTextMax = kTextChars;
      std::wstring text(kTextChars, L'\0');
      if (::WriteProcessMemory(process, remote, &request, sizeof request, nullptr) &&
          ::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(remote)) &&
          ::ReadProcessMemory(process, remote + sizeof(TVITEMW), text.data(), kTextChars * sizeof(wchar_t), nullptr))
        text.resize(wcsnlen(text.c_str(), kTextChars));
      else
        text = L"?";
      texts.push_back(std::wstring(depth * 2, L' ') + text);
      self(self,
           reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item))),
           depth + 1);
    }
  };
  if (remote) {
    walk(walk, reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0)), 0);
    ::VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  }
  ::CloseHandle(process);
  return texts;
}

bool Contains(const std::vector<std::wstring>& lines, const std::wstring& wanted) {
  for (const auto& line : lines)
    if (line == wanted) return true;
  return false;
}

class RecentFoldersProgramTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    ::CoInitialize(nullptr);
    recent_ = SpecialFolder(CSIDL_RECENT);
    ASSERT_FALSE(recent_.empty());
  }
  void TearDown() override {
    for (const auto& link : links_) ::DeleteFileW(link.c_str());
    ::CoUninitialize();
    ProgramTest::TearDown();
  }
  // The user opened this folder: the Recent folder holds a shortcut to it.
  void OpenedFolder(const std::wstring& folder, const std::wstring& name) {
    ASSERT_TRUE(MakeFolder(folder));
    const std::wstring link = recent_ + L"\\" + name + L".lnk";
    ASSERT_TRUE(WriteShortcut(link, folder)) << Utf8(link);
    links_.push_back(link);
  }

  std::wstring recent_;
  std::vector<std::wstring> links_;
};

TEST_F(RecentFoldersProgramTest, OpenedFoldersAppearInTheTreeAndAreSavedAsRecentFolders) {
  SkipFirstStartDialog();
  const std::wstring exe = InstallProgram();
  ASSERT_FALSE(exe.empty());
  const std::wstring home = exe.substr(0, exe.rfind(L'\\'));
  const std::wstring records = home + L"\\records\\";
  ASSERT_TRUE(WriteIni(Paths().userFile, kSection, L"EdtRECPath", records));
  OpenedFolder(home + L"\\Work\\Alpha", L"Alpha");
  OpenedFolder(home + L"\\Work\\Beta", L"Beta");

  // The open-folder shortcut writer makes its own folder when it starts.
  const std::wstring writerFolder = SpecialFolder(CSIDL_PERSONAL) + L"\\revisto\\recent";
  RemovePath(writerFolder);

  auto& program = Start(exe);
  HWND window = WaitForMainWindow(program);
  ASSERT_NE(window, nullptr);

  const std::wstring record = records + L"Recent Folders.revisto";
  ASSERT_TRUE(WaitUntil([&] { return FileExists(record); }, 20000)) << "no " << Utf8(record);
  EXPECT_TRUE(FileExists(records + L"Recent Folders.revistotreesel"));
  EXPECT_TRUE(FolderExists(writerFolder)) << Utf8(writerFolder);
  const auto saved = ReadBytes(record);
  ASSERT_TRUE(saved.has_value());
  EXPECT_NE(saved->find("<revistotree"), std::string::npos);
  EXPECT_NE(saved->find("Work\\Alpha"), std::string::npos) << *saved;
  EXPECT_NE(saved->find("Work\\Beta"), std::string::npos) << *saved;

  // The All tree shows the group with both folders below it.
  const auto trees = ChildWindows(window, L"SysTreeView32");
  ASSERT_FALSE(trees.empty());
  const auto shown = TreeTexts(trees.front(), program.Pid());
  const std::wstring group = home.substr(0, home.find(L'\\', 3));
  EXPECT_TRUE(Contains(shown, group)) << Utf8(group);
  EXPECT_TRUE(Contains(shown, L"  " + home.substr(group.size() + 1) + L"\\Work\\Alpha"));

  // A folder opened while the program runs shows up at once on Ctrl+R.
  OpenedFolder(home + L"\\Work\\Gamma", L"Gamma");
  ::PostMessageW(window, WM_COMMAND, static_cast<WPARAM>(app::Command::Refresh2), 0);
  EXPECT_TRUE(WaitUntil(
      [&] {
        const auto bytes = ReadBytes(record);
        return bytes && bytes->find("Work\\Gamma") != std::string::npos;
      },
      10000))
      << "the refresh did not save the new folder";
  EXPECT_TRUE(WaitUntil([&] { return Contains(TreeTexts(trees.front(), program.Pid()),
                                              L"  " + home.substr(group.size() + 1) + L"\\Work\\Gamma"); },
                        5000));

  // One opened later still shows up without Ctrl+R, at the next refresh tick
  // (every 10 seconds by default).
  OpenedFolder(home + L"\\Work\\Delta", L"Delta");
  EXPECT_TRUE(WaitUntil(
      [&] {
        const auto bytes = ReadBytes(record);
        return bytes && bytes->find("Work\\Delta") != std::string::npos;
      },
      25000))
      << "the refresh timer did not save the new folder";

  CloseMainWindow(program, window);
}

// A run goes on with the record "Recent Folders": a folder it holds that the
// Recent folder no longer lists (added by hand, or pruned by Windows) is
// still there after a restart, beside what the new run finds.
TEST_F(RecentFoldersProgramTest, FolderTheRecentFolderNoLongerListsSurvivesARestart) {
  SkipFirstStartDialog();
  const std::wstring exe = InstallProgram();
  ASSERT_FALSE(exe.empty());
  const std::wstring home = exe.substr(0, exe.rfind(L'\\'));
  const std::wstring records = home + L"\\records\\";
  ASSERT_TRUE(WriteIni(Paths().userFile, kSection, L"EdtRECPath", records));
  OpenedFolder(home + L"\\Kept\\ByHand", L"ByHand");
  const std::wstring record = records + L"Recent Folders.revisto";
  auto holds = [&](const char* folder) {
    const auto bytes = ReadBytes(record);
    return bytes && bytes->find(folder) != std::string::npos;
  };
  {
    auto& first = Start(exe);
    HWND window = WaitForMainWindow(first);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return holds("Kept\\ByHand"); }, 20000)) << "the first run did not save it";
    CloseMainWindow(first, window);
  }
  // The Recent folder forgets it; the record alone keeps it.
  ASSERT_TRUE(::DeleteFileW(links_.back().c_str()));
  OpenedFolder(home + L"\\Work\\Later", L"Later");

  auto& second = Start(exe);
  HWND window = WaitForMainWindow(second);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return holds("Work\\Later"); }, 20000)) << "the second run did not save";
  EXPECT_TRUE(holds("Kept\\ByHand")) << "the restart dropped the folder from the record";
  const auto trees = ChildWindows(window, L"SysTreeView32");
  ASSERT_FALSE(trees.empty());
  const std::wstring group = home.substr(0, home.find(L'\\', 3));
  EXPECT_TRUE(Contains(TreeTexts(trees.front(), second.Pid()), L"  " + home.substr(group.size() + 1) + L"\\Kept\\ByHand"));
  CloseMainWindow(second, window);
}

}  // namespace
}  // namespace kalvora::program_tests
