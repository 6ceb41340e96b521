// The "All" tree's image list on the real shell: the stock pictures, then
// icons taken from files.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/Win32ImageLists.h"
#include "support/TempFolder.h"
#include "tree/StockImages.h"

using kalvora::platform::win32::Win32ImageLists;
namespace stock = kalvora::tree::stock;

// The portable code spells the shell's stock icon numbers out; they must be the system's.
static_assert(stock::DocNoAssoc == SIID_DOCNOASSOC && stock::DocAssoc == SIID_DOCASSOC);
static_assert(stock::Application == SIID_APPLICATION && stock::Folder == SIID_FOLDER);
static_assert(stock::FolderOpen == SIID_FOLDEROPEN && stock::DriveFixed == SIID_DRIVEFIXED);
static_assert(stock::DriveNet == SIID_DRIVENET && stock::World == SIID_WORLD);
static_assert(stock::MyNetwork == SIID_MYNETWORK && stock::Help == SIID_HELP);
static_assert(stock::StuffedFolder == SIID_STUFFEDFOLDER && stock::MediaDvd == SIID_MEDIADVD);
static_assert(stock::AudioFiles == SIID_AUDIOFILES && stock::ImageFiles == SIID_IMAGEFILES);
static_assert(stock::VideoFiles == SIID_VIDEOFILES && stock::Software == SIID_SOFTWARE);
static_assert(stock::DesktopPc == SIID_DESKTOPPC && stock::MobilePc == SIID_MOBILEPC);
static_assert(stock::Users == SIID_USERS && stock::Internet == SIID_INTERNET);
static_assert(stock::ZipFile == SIID_ZIPFILE && stock::Settings == SIID_SETTINGS);

namespace {

HIMAGELIST AsList(kalvora::platform::ImageListHandle list) { return reinterpret_cast<HIMAGELIST>(list); }

// The pixels of one image drawn on white.
std::vector<DWORD> Pixels(HIMAGELIST list, int index) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = 16;
  info.bmiHeader.biHeight = -16;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC dc = ::CreateCompatibleDC(nullptr);
  HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = ::SelectObject(dc, bitmap);
  RECT all = {0, 0, 16, 16};
  ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  ::ImageList_Draw(list, index, dc, 0, 0, ILD_NORMAL);
  ::GdiFlush();
  std::vector<DWORD> pixels(static_cast<const DWORD*>(bits), static_cast<const DWORD*>(bits) + 256);
  ::SelectObject(dc, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(dc);
  return pixels;
}

std::wstring SystemNotepad() {
  wchar_t folder[MAX_PATH] = {};
  ::GetSystemDirectoryW(folder, MAX_PATH);
  return std::wstring(folder) + L"\\notepad.exe";
}

}  // namespace

TEST(Win32ImageListsTest, TheStockPicturesTakeExactly78Images) {
  Win32ImageLists lists;
  const auto list = lists.Create(kalvora::tree::StockImagePresets());
  ASSERT_NE(list, 0u);
  EXPECT_EQ(lists.Count(list), 78);
  EXPECT_EQ(::ImageList_GetImageCount(AsList(list)), 78);
  int width = 0, height = 0;
  ASSERT_TRUE(::ImageList_GetIconSize(AsList(list), &width, &height));
  EXPECT_EQ(width, 16);
  EXPECT_EQ(height, 16);
}

TEST(Win32ImageListsTest, EveryPresetTakesItsSlotEvenWhenItsSourceGivesNothing) {
  using Source = kalvora::platform::PresetIcon::Source;
  const std::vector<kalvora::platform::PresetIcon> presets = {
      {Source::SystemProgram, 0, L"no-such-program-here.exe", -1},
      {Source::ShellStock, 100000, L"", -1},
      {Source::FileType, 0, L"", stock::Folder},
      {Source::Application, 0, L"", -1},
  };
  Win32ImageLists lists;
  const auto list = lists.Create(presets);
  EXPECT_EQ(lists.Count(list), 4);
}

TEST(Win32ImageListsTest, TheFolderIsNotTheGenericProgramPicture) {
  Win32ImageLists lists;
  const auto list = lists.Create(kalvora::tree::StockImagePresets());
  ASSERT_EQ(lists.Count(list), 78);
  EXPECT_NE(Pixels(AsList(list), 0), Pixels(AsList(list), 76));    // folder, generic program
  EXPECT_NE(Pixels(AsList(list), 0), Pixels(AsList(list), 12));    // folder, missing item
  EXPECT_NE(Pixels(AsList(list), 0), std::vector<DWORD>(256, 0xFFFFFFu));  // something was drawn
}

TEST(Win32ImageListsTest, AFileIconIsAppendedEachTimeItIsAskedFor) {
  TempFolder temp;
  const std::wstring text = temp / L"notes.txt";
  ASSERT_TRUE(TempFolder::WriteBytes(text, "hello"));
  Win32ImageLists lists;
  const auto list = lists.Create(kalvora::tree::StockImagePresets());
  ASSERT_EQ(lists.Count(list), 78);

  EXPECT_EQ(lists.AppendFileIcon(list, text), 78);
  EXPECT_EQ(lists.AppendFileIcon(list, text), 79);  // asking twice appends twice
  EXPECT_EQ(lists.Count(list), 80);
  EXPECT_EQ(lists.AppendFileIcon(list, SystemNotepad()), 80);
  EXPECT_EQ(lists.AppendFileIcon(list, temp.Path()), 81);  // a folder has an icon too
  EXPECT_EQ(lists.Count(list), 82);
}

TEST(Win32ImageListsTest, AMissingPathAppendsNothing) {
  TempFolder temp;
  Win32ImageLists lists;
  const auto list = lists.Create(kalvora::tree::StockImagePresets());
  ASSERT_EQ(lists.Count(list), 78);
  EXPECT_EQ(lists.AppendFileIcon(list, temp / L"missing.txt"), -1);
  EXPECT_EQ(lists.AppendFileIcon(list, temp / L"missing\\deeper.exe"), -1);
  EXPECT_EQ(lists.AppendFileIcon(list, L""), -1);
  EXPECT_EQ(lists.Count(list), 78);
}
