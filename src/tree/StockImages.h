#pragma once
#include <vector>

#include "platform/ImageLists.h"

namespace kalvora::tree {

// The shell's stock icon numbers (SHSTOCKICONID) that the stock images use,
// spelt out here because the portable code cannot include <shellapi.h>. The
// Windows tests check them against the system header.
namespace stock {
inline constexpr int DocNoAssoc = 0;      // SIID_DOCNOASSOC: a blank page, no program
inline constexpr int DocAssoc = 1;        // SIID_DOCASSOC: a document
inline constexpr int Application = 2;     // SIID_APPLICATION: the generic program
inline constexpr int Folder = 3;          // SIID_FOLDER
inline constexpr int FolderOpen = 4;      // SIID_FOLDEROPEN
inline constexpr int DriveFixed = 8;      // SIID_DRIVEFIXED
inline constexpr int DriveNet = 9;        // SIID_DRIVENET
inline constexpr int World = 13;          // SIID_WORLD: a globe
inline constexpr int MyNetwork = 17;      // SIID_MYNETWORK
inline constexpr int Help = 23;           // SIID_HELP
inline constexpr int StuffedFolder = 57;  // SIID_STUFFEDFOLDER: a folder with papers in it
inline constexpr int MediaDvd = 60;       // SIID_MEDIADVD
inline constexpr int AudioFiles = 71;     // SIID_AUDIOFILES
inline constexpr int ImageFiles = 72;     // SIID_IMAGEFILES
inline constexpr int VideoFiles = 73;     // SIID_VIDEOFILES
inline constexpr int Software = 82;       // SIID_SOFTWARE
inline constexpr int DesktopPc = 94;      // SIID_DESKTOPPC
inline constexpr int MobilePc = 95;       // SIID_MOBILEPC
inline constexpr int Users = 96;          // SIID_USERS
inline constexpr int Internet = 104;      // SIID_INTERNET
inline constexpr int ZipFile = 105;       // SIID_ZIPFILE
inline constexpr int Settings = 106;      // SIID_SETTINGS
}  // namespace stock

// The pictures of the "All" tree's image list ImageList222 at the stock
// indexes 0 to 77 that records store (0 folder, 1 web page, 2 computer, 3 desktop,
// 4 Control Panel, 5 network, 6 documents, 7 photo viewer, 8 picture,
// 9 text editor, 10 bitmap, 11 settings file, 12 missing or unknown item,
// then the programs and file types of GetFileIconIndex). Exactly 78 entries,
// entry n for index n; icons taken from files at run time follow them.
const std::vector<platform::PresetIcon>& StockImagePresets();

}  // namespace kalvora::tree
