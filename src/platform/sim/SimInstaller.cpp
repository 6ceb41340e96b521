#include "platform/sim/SimInstaller.h"

#include "platform/sim/SimText.h"

namespace kalvora::platform::sim {

std::optional<std::string> SimInstaller::ShortcutComponent(const std::string& linkPath) {
  if (!available_) return std::nullopt;
  auto shortcut = links_.Shortcut(FromAnsi(linkPath));
  if (!shortcut || shortcut->component.empty()) return std::nullopt;
  return ToAnsi(shortcut->component);
}

std::string SimInstaller::LocateComponent(const std::string& componentCode, const std::string& buffer) {
  if (!available_) return buffer;
  auto it = components_.find(Fold(FromAnsi(componentCode)));
  if (it == components_.end()) return buffer;
  std::string path = ToAnsi(it->second);
  if (path.size() > 259) return buffer;  // does not fit: the installer writes nothing
  return path;
}

void SimInstaller::SetComponentPath(const std::wstring& componentCode, const std::wstring& path) {
  components_[Fold(componentCode)] = path;
}

}  // namespace kalvora::platform::sim
