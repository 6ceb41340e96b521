#include "platform/win32/Win32ImageLists.h"

namespace kalvora::platform::win32 {

// Placeholder until the real image lists are built.
ImageListHandle Win32ImageLists::Create(const std::vector<PresetIcon>&) { return 0; }
int Win32ImageLists::Count(ImageListHandle) { return 0; }
int Win32ImageLists::AppendFileIcon(ImageListHandle, const std::wstring&) { return -1; }

}  // namespace kalvora::platform::win32
