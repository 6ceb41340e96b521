#pragma once
#include <string>
#include <vector>

#include "platform/ImageLists.h"
#include "platform/sim/SimFileSystem.h"

namespace kalvora::platform::sim {

// Image lists of a simulated process. Each image is remembered by what it
// shows: "preset:<n>" for the n-th preset, or the path whose icon was
// appended, so tests can see exactly what went into a list.
class SimImageLists final : public ImageLists {
 public:
  explicit SimImageLists(SimFileSystem& files) : files_(files) {}
  ImageListHandle Create(const std::vector<PresetIcon>& presets) override;
  int Count(ImageListHandle list) override;
  // As the shell does: an icon for any existing file or folder, none for a
  // path that is not there.
  int AppendFileIcon(ImageListHandle list, const std::wstring& path) override;

  // The images of a list, in order; empty for an unknown handle.
  std::vector<std::wstring> Images(ImageListHandle list) const;

 private:
  SimFileSystem& files_;
  std::vector<std::vector<std::wstring>> lists_;  // handle n is lists_[n - 1]
};

}  // namespace kalvora::platform::sim
