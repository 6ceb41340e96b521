#include "platform/win32/Win32ImageLists.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include "platform/win32/DynamicLibraries.h"

namespace kalvora::platform::win32 {

namespace {
constexpr int IconSize = 16;

HIMAGELIST AsList(ImageListHandle list) { return reinterpret_cast<HIMAGELIST>(list); }

// The shell's small icon for a path, or, with file attributes, for any file
// of that name or extension; owned by the caller.
HICON ShellFileIcon(const std::wstring& path, DWORD attributes, UINT extraFlags) {
  SHFILEINFOW info = {};
  if (!::SHGetFileInfoW(path.c_str(), attributes, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON | extraFlags))
    return nullptr;
  return info.hIcon;
}

HICON FileTypeIcon(const wchar_t* name, DWORD attributes = FILE_ATTRIBUTE_NORMAL, UINT extraFlags = 0) {
  return ShellFileIcon(name, attributes, SHGFI_USEFILEATTRIBUTES | extraFlags);
}

// The small icon of a shell place (CSIDL_DRIVES, CSIDL_NETWORK ...).
HICON SpecialFolderIcon(int csidl) {
  PIDLIST_ABSOLUTE place = nullptr;
  if (FAILED(::SHGetSpecialFolderLocation(nullptr, csidl, &place)) || !place) return nullptr;
  SHFILEINFOW info = {};
  const DWORD_PTR found = ::SHGetFileInfoW(reinterpret_cast<LPCWSTR>(place), 0, &info, sizeof info,
                                           SHGFI_PIDL | SHGFI_ICON | SHGFI_SMALLICON);
  ::CoTaskMemFree(place);
  return found ? info.hIcon : nullptr;
}

// A picture like the stock icon's, for systems whose shell answers no stock
// icon (before Vista, and Wine, whose SHGetStockIconInfo gives none): the
// shell's icon of a kind of file or of a shell place.
HICON StockStandIn(int id) {
  switch (id) {
    case SIID_FOLDER:
    case SIID_STUFFEDFOLDER:
      return FileTypeIcon(L"folder", FILE_ATTRIBUTE_DIRECTORY);
    case SIID_FOLDEROPEN:
      return FileTypeIcon(L"folder", FILE_ATTRIBUTE_DIRECTORY, SHGFI_OPENICON);
    case SIID_DOCNOASSOC:
    case SIID_DOCASSOC:
      return FileTypeIcon(L"file");
    case SIID_APPLICATION:
      return FileTypeIcon(L"program.exe");
    case SIID_SOFTWARE:
      return FileTypeIcon(L"library.dll");
    case SIID_ZIPFILE:
      return FileTypeIcon(L"archive.zip");
    case SIID_IMAGEFILES:
      return FileTypeIcon(L"picture.bmp");
    case SIID_AUDIOFILES:
      return FileTypeIcon(L"sound.wav");
    case SIID_VIDEOFILES:
      return FileTypeIcon(L"video.avi");
    case SIID_WORLD:
    case SIID_INTERNET:
      return FileTypeIcon(L"page.html");
    case SIID_HELP:
      return FileTypeIcon(L"help.chm");
    case SIID_DESKTOPPC:
    case SIID_MOBILEPC:
    case SIID_DRIVEFIXED:
      return SpecialFolderIcon(CSIDL_DRIVES);
    case SIID_MYNETWORK:
    case SIID_DRIVENET:
      return SpecialFolderIcon(CSIDL_NETWORK);
    case SIID_SETTINGS:
      return SpecialFolderIcon(CSIDL_CONTROLS);
    default:
      return nullptr;
  }
}

// The shell's small stock icon, owned by the caller; its stand-in when the
// system has no SHGetStockIconInfo (before Vista) or gives no icon; nullptr
// when neither is there.
HICON StockIcon(int id) {
  if (id < 0) return nullptr;
  using GetStockIconInfo = HRESULT(WINAPI*)(SHSTOCKICONID, UINT, SHSTOCKICONINFO*);
  static const auto getStockIconInfo = ProcAddress<GetStockIconInfo>(L"shell32.dll", "SHGetStockIconInfo");
  if (getStockIconInfo) {
    SHSTOCKICONINFO info = {};
    info.cbSize = sizeof info;
    if (SUCCEEDED(getStockIconInfo(static_cast<SHSTOCKICONID>(id), SHGSI_ICON | SHGSI_SMALLICON, &info)) &&
        info.hIcon)
      return info.hIcon;
  }
  return StockStandIn(id);
}

std::wstring FolderPath(UINT(WINAPI* get)(LPWSTR, UINT)) {
  wchar_t buffer[MAX_PATH] = {};
  const UINT length = get(buffer, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return L"";
  return std::wstring(buffer, length);
}

// A program's icon from the system folder, or the Windows folder, where
// explorer.exe, regedit.exe and hh.exe live.
HICON SystemProgramIcon(const std::wstring& fileName) {
  for (auto get : {&::GetSystemDirectoryW, &::GetWindowsDirectoryW}) {
    std::wstring folder = FolderPath(get);
    if (folder.empty()) continue;
    if (folder.back() != L'\\') folder += L'\\';
    const std::wstring path = folder + fileName;
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
    if (HICON icon = ShellFileIcon(path, 0, 0)) return icon;
  }
  return nullptr;
}

HICON PresetPicture(const PresetIcon& preset) {
  switch (preset.source) {
    case PresetIcon::Source::ShellStock:
      return StockIcon(preset.shellStockId);
    case PresetIcon::Source::FileType:
      return preset.text.empty() ? nullptr : FileTypeIcon(preset.text.c_str());
    case PresetIcon::Source::SystemProgram:
      return preset.text.empty() ? nullptr : SystemProgramIcon(preset.text);
    case PresetIcon::Source::Application:
      break;
  }
  return nullptr;
}

// Adds an icon and destroys it; the new image's index, or -1.
int AddAndDestroy(HIMAGELIST list, HICON icon) {
  const int index = ::ImageList_AddIcon(list, icon);
  ::DestroyIcon(icon);
  return index;
}

// The generic program picture; an empty image when even that cannot be had,
// so that the slot is still taken.
void AddGenericProgram(HIMAGELIST list) {
  if (HICON icon = StockIcon(SIID_APPLICATION)) {
    if (AddAndDestroy(list, icon) >= 0) return;
  }
  // A shared system icon: never destroyed.
  if (HICON shared = ::LoadIconW(nullptr, IDI_APPLICATION)) {
    if (::ImageList_AddIcon(list, shared) >= 0) return;
  }
  HBITMAP color = ::CreateBitmap(IconSize, IconSize, 1, 32, nullptr);
  HBITMAP mask = ::CreateBitmap(IconSize, IconSize, 1, 1, nullptr);
  ::ImageList_Add(list, color, mask);
  if (color) ::DeleteObject(color);
  if (mask) ::DeleteObject(mask);
}
}  // namespace

ImageListHandle Win32ImageLists::Create(const std::vector<PresetIcon>& presets) {
  const int initial = static_cast<int>(presets.size());
  HIMAGELIST list = ::ImageList_Create(IconSize, IconSize, ILC_COLOR32 | ILC_MASK, initial > 0 ? initial : 1, 16);
  if (!list) return 0;
  for (const PresetIcon& preset : presets) {
    const int before = ::ImageList_GetImageCount(list);
    if (HICON icon = PresetPicture(preset)) AddAndDestroy(list, icon);
    if (::ImageList_GetImageCount(list) == before && preset.fallbackStockId >= 0) {
      if (HICON icon = StockIcon(preset.fallbackStockId)) AddAndDestroy(list, icon);
    }
    if (::ImageList_GetImageCount(list) == before) AddGenericProgram(list);
  }
  return reinterpret_cast<ImageListHandle>(list);
}

int Win32ImageLists::Count(ImageListHandle list) {
  return list == 0 ? 0 : ::ImageList_GetImageCount(AsList(list));
}

int Win32ImageLists::AppendFileIcon(ImageListHandle list, const std::wstring& path) {
  if (list == 0 || path.empty()) return -1;
  HICON icon = ShellFileIcon(path, 0, 0);
  if (!icon) return -1;
  return AddAndDestroy(AsList(list), icon);
}

}  // namespace kalvora::platform::win32
