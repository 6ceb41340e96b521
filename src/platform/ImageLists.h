#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace kalvora::platform {

// An image list of 16 by 16 icons, owned by the process until it ends. On
// Windows it is the HIMAGELIST itself, so a tree view can show it.
using ImageListHandle = std::uintptr_t;

// Where one preset picture of a list comes from.
struct PresetIcon {
  enum class Source {
    ShellStock,     // the shell's stock icon number `shellStockId` (SHSTOCKICONID)
    FileType,       // the icon the shell shows for files of extension `text` (".txt")
    SystemProgram,  // the icon of program `text` in the system folder ("notepad.exe")
    Application,    // the generic program icon
  };
  Source source = Source::Application;
  int shellStockId = 0;
  std::wstring text;
  // Used when the first source gives nothing (an old system, a program
  // that is not installed).
  int fallbackStockId = -1;
};

class ImageLists {
 public:
  virtual ~ImageLists() = default;
  // A new list holding one image per preset, at the preset's position. A
  // preset whose picture cannot be had still takes its place, with the
  // generic program icon, so later indexes never shift.
  virtual ImageListHandle Create(const std::vector<PresetIcon>& presets) = 0;
  virtual int Count(ImageListHandle list) = 0;
  // Appends the shell's small icon for the file or folder and answers the
  // new image's index; -1 when the shell has no icon for it.
  virtual int AppendFileIcon(ImageListHandle list, const std::wstring& path) = 0;
};

}  // namespace kalvora::platform
