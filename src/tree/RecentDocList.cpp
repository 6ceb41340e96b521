#include "tree/RecentDocList.h"

#include <algorithm>

#include "common/WideText.h"

namespace kalvora::tree {

bool RecentDocList::Add(const std::wstring& path) {
  std::wstring key = fold_(path);
  auto at = std::lower_bound(folded_.begin(), folded_.end(), key);
  if (at != folded_.end() && *at == key) return false;
  const auto index = at - folded_.begin();
  folded_.insert(at, std::move(key));
  items_.insert(items_.begin() + index, path);
  trimmed_.insert(fold_(text::Trim(path)));
  return true;
}

}  // namespace kalvora::tree
