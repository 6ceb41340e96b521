#pragma once
#include "platform/ImageLists.h"

namespace kalvora::platform::win32 {

// Image lists of 16 by 16 icons (ImageList_Create, 32-bit colour with a
// mask); the handle is the HIMAGELIST. Preset pictures come from the shell's
// stock icons (SHGetStockIconInfo, looked up at run time: older systems lack
// it; where it gives no icon, as in Wine, the icon of a kind of file or of a
// shell place that looks like it), the shell's icon for a file type, or a program of the system folder
// (then of the Windows folder); a preset that gives nothing takes its
// fallback stock icon, then the generic program icon, so every index holds
// the picture meant for it or a stand-in.
class Win32ImageLists final : public ImageLists {
 public:
  ImageListHandle Create(const std::vector<PresetIcon>& presets) override;
  int Count(ImageListHandle list) override;
  int AppendFileIcon(ImageListHandle list, const std::wstring& path) override;
};

}  // namespace kalvora::platform::win32
