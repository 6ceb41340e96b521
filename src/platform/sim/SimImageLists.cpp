#include "platform/sim/SimImageLists.h"

namespace kalvora::platform::sim {

ImageListHandle SimImageLists::Create(const std::vector<PresetIcon>& presets) {
  std::vector<std::wstring> images;
  images.reserve(presets.size());
  for (std::size_t i = 0; i < presets.size(); ++i) images.push_back(L"preset:" + std::to_wstring(i));
  lists_.push_back(std::move(images));
  return lists_.size();
}

int SimImageLists::Count(ImageListHandle list) {
  if (list == 0 || list > lists_.size()) return 0;
  return static_cast<int>(lists_[list - 1].size());
}

int SimImageLists::AppendFileIcon(ImageListHandle list, const std::wstring& path) {
  if (list == 0 || list > lists_.size()) return -1;
  if (!files_.FileExists(path) && !files_.DirectoryExists(path)) return -1;
  auto& images = lists_[list - 1];
  images.push_back(path);
  return static_cast<int>(images.size()) - 1;
}

std::vector<std::wstring> SimImageLists::Images(ImageListHandle list) const {
  if (list == 0 || list > lists_.size()) return {};
  return lists_[list - 1];
}

}  // namespace kalvora::platform::sim
