#include "platform/win32/Win32ImageLists.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <utility>

#include "platform/win32/DynamicLibraries.h"
#include "platform/win32/Handles.h"

namespace kalvora::platform::win32 {

namespace {
constexpr int IconSize = 16;

HIMAGELIST AsList(ImageListHandle list) { return reinterpret_cast<HIMAGELIST>(list); }

// The shell's small icon for a path, or, with file attributes, for any file
// of that name or extension.
OwnedIcon ShellFileIcon(const std::wstring& path, DWORD attributes, UINT extraFlags) {
  SHFILEINFOW info = {};
  if (!::SHGetFileInfoW(path.c_str(), attributes, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON | extraFlags))
    return OwnedIcon();
  return OwnedIcon(info.hIcon);
}

OwnedIcon FileTypeIcon(const wchar_t* name, DWORD attributes = FILE_ATTRIBUTE_NORMAL, UINT extraFlags = 0) {
  return ShellFileIcon(name, attributes, SHGFI_USEFILEATTRIBUTES | extraFlags);
}

// The small icon of a shell place (CSIDL_DRIVES, CSIDL_NETWORK ...).
OwnedIcon SpecialFolderIcon(int csidl) {
  PIDLIST_ABSOLUTE place = nullptr;
  if (FAILED(::SHGetSpecialFolderLocation(nullptr, csidl, &place)) || !place) return OwnedIcon();
  SHFILEINFOW info = {};
  const DWORD_PTR found = ::SHGetFileInfoW(reinterpret_cast<LPCWSTR>(place), 0, &info, sizeof info,
                                           SHGFI_PIDL | SHGFI_ICON | SHGFI_SMALLICON);
  ::CoTaskMemFree(place);
  return found ? OwnedIcon(info.hIcon) : OwnedIcon();
}

// A picture like the stock icon's, for systems whose shell answers no stock
// icon (before Vista, and Wine, whose SHGetStockIconInfo gives none): the
// shell's icon of a kind of file or of a shell place.
OwnedIcon StockStandIn(int id) {
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
      return OwnedIcon();
  }
}

// The shell's small stock icon; its stand-in when the system has no
// SHGetStockIconInfo (before Vista) or gives no icon; nothing when neither
// is there.
OwnedIcon StockIcon(int id) {
  if (id < 0) return OwnedIcon();
  using GetStockIconInfo = HRESULT(WINAPI*)(SHSTOCKICONID, UINT, SHSTOCKICONINFO*);
  static const auto getStockIconInfo = ProcAddress<GetStockIconInfo>(L"shell32.dll", "SHGetStockIconInfo");
  if (getStockIconInfo) {
    SHSTOCKICONINFO info = {};
    info.cbSize = sizeof info;
    if (SUCCEEDED(getStockIconInfo(static_cast<SHSTOCKICONID>(id), SHGSI_ICON | SHGSI_SMALLICON, &info)) &&
        info.hIcon)
      return OwnedIcon(info.hIcon);
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
OwnedIcon SystemProgramIcon(const std::wstring& fileName) {
  for (auto get : {&::GetSystemDirectoryW, &::GetWindowsDirectoryW}) {
    std::wstring folder = FolderPath(get);
    if (folder.empty()) continue;
    if (folder.back() != L'\\') folder += L'\\';
    const std::wstring path = folder + fileName;
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
    if (OwnedIcon icon = ShellFileIcon(path, 0, 0)) return icon;
  }
  return OwnedIcon();
}

OwnedIcon PresetPicture(const PresetIcon& preset) {
  switch (preset.source) {
    case PresetIcon::Source::ShellStock:
      return StockIcon(preset.shellStockId);
    case PresetIcon::Source::FileType:
      return preset.text.empty() ? OwnedIcon() : FileTypeIcon(preset.text.c_str());
    case PresetIcon::Source::SystemProgram:
      return preset.text.empty() ? OwnedIcon() : SystemProgramIcon(preset.text);
    case PresetIcon::Source::Application:
      break;
  }
  return OwnedIcon();
}

// Adds a copy of the icon, which then goes; the new image's index, or -1.
int AddAndDestroy(HIMAGELIST list, OwnedIcon icon) { return ::ImageList_AddIcon(list, icon.Get()); }

// The generic program picture; an empty image when even that cannot be had,
// so that the slot is still taken.
void AddGenericProgram(HIMAGELIST list) {
  if (OwnedIcon icon = StockIcon(SIID_APPLICATION)) {
    if (AddAndDestroy(list, std::move(icon)) >= 0) return;
  }
  // A shared system icon: never destroyed.
  if (HICON shared = ::LoadIconW(nullptr, IDI_APPLICATION)) {
    if (::ImageList_AddIcon(list, shared) >= 0) return;
  }
  const OwnedBitmap color(::CreateBitmap(IconSize, IconSize, 1, 32, nullptr));
  const OwnedBitmap mask(::CreateBitmap(IconSize, IconSize, 1, 1, nullptr));
  ::ImageList_Add(list, color.Get(), mask.Get());
}
}  // namespace

ImageListHandle Win32ImageLists::Create(const std::vector<PresetIcon>& presets) {
  const int initial = static_cast<int>(presets.size());
  OwnedImageList owned(
      ::ImageList_Create(IconSize, IconSize, ILC_COLOR32 | ILC_MASK, initial > 0 ? initial : 1, 16));
  if (!owned) return 0;
  HIMAGELIST list = owned.Get();
  for (const PresetIcon& preset : presets) {
    const int before = ::ImageList_GetImageCount(list);
    if (OwnedIcon icon = PresetPicture(preset)) AddAndDestroy(list, std::move(icon));
    if (::ImageList_GetImageCount(list) == before && preset.fallbackStockId >= 0) {
      if (OwnedIcon icon = StockIcon(preset.fallbackStockId)) AddAndDestroy(list, std::move(icon));
    }
    if (::ImageList_GetImageCount(list) == before) AddGenericProgram(list);
  }
  // The caller keeps the list until the process ends.
  return reinterpret_cast<ImageListHandle>(owned.Detach());
}

int Win32ImageLists::Count(ImageListHandle list) {
  return list == 0 ? 0 : ::ImageList_GetImageCount(AsList(list));
}

int Win32ImageLists::AppendFileIcon(ImageListHandle list, const std::wstring& path) {
  if (list == 0 || path.empty()) return -1;
  OwnedIcon icon = ShellFileIcon(path, 0, 0);
  if (!icon) return -1;
  return AddAndDestroy(AsList(list), std::move(icon));
}

}  // namespace kalvora::platform::win32
