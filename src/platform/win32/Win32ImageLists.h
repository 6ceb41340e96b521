#pragma once
#include "platform/ImageLists.h"

namespace kalvora::platform::win32 {

class Win32ImageLists final : public ImageLists {
 public:
  ImageListHandle Create(const std::vector<PresetIcon>& presets) override;
  int Count(ImageListHandle list) override;
  int AppendFileIcon(ImageListHandle list, const std::wstring& path) override;
};

}  // namespace kalvora::platform::win32
