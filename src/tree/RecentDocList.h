#pragma once
#include <functional>
#include <string>
#include <unordered_set>
#include <vector>

namespace kalvora::tree {

// The targets of the user's recent-document shortcuts and the documents
// waiting for their application: kept in alphabetical order ignoring case,
// each path once (a path differing only in letter case is not added again).
class RecentDocList {
 public:
  // fold: the system's lowercase mapping.
  explicit RecentDocList(std::function<std::wstring(const std::wstring&)> fold) : fold_(std::move(fold)) {}

  // False when an equal path (ignoring case) is already listed.
  bool Add(const std::wstring& path);
  // Some listed path equals this one lowercased and trimmed.
  bool ContainsFolded(const std::wstring& lowercasedTrimmed) const { return trimmed_.count(lowercasedTrimmed) > 0; }
  void Clear() {
    items_.clear();
    folded_.clear();
    trimmed_.clear();
  }
  const std::vector<std::wstring>& Items() const { return items_; }
  std::size_t Size() const { return items_.size(); }

 private:
  std::function<std::wstring(const std::wstring&)> fold_;
  std::vector<std::wstring> items_;
  std::vector<std::wstring> folded_;  // parallel to items_
  std::unordered_multiset<std::wstring> trimmed_;
};

}  // namespace kalvora::tree
