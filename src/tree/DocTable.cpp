#include "tree/DocTable.h"

namespace kalvora::tree {

DocTable::DocTable(std::function<std::wstring(const std::wstring&)> fold) : fold_(std::move(fold)) {}

int DocTable::Append(TMyDoc doc) {
  ++paths_[fold_(doc.path)];
  ++groupKeys_[fold_(doc.groupKey)];
  docs_.push_back(std::move(doc));
  return static_cast<int>(docs_.size()) - 1;
}

void DocTable::Drop(Counts& counts, const std::wstring& key) {
  auto it = counts.find(key);
  if (it != counts.end() && --it->second <= 0) counts.erase(it);
}

void DocTable::Set(int index, TMyDoc doc) {
  TMyDoc& old = docs_[static_cast<std::size_t>(index)];
  Drop(paths_, fold_(old.path));
  Drop(groupKeys_, fold_(old.groupKey));
  ++paths_[fold_(doc.path)];
  ++groupKeys_[fold_(doc.groupKey)];
  old = std::move(doc);
}

void DocTable::SetPath(int index, std::wstring path) {
  TMyDoc& doc = docs_[static_cast<std::size_t>(index)];
  Drop(paths_, fold_(doc.path));
  doc.path = std::move(path);
  ++paths_[fold_(doc.path)];
}

void DocTable::Clear() {
  docs_.clear();
  paths_.clear();
  groupKeys_.clear();
}

}  // namespace kalvora::tree
