#pragma once
#include <functional>
#include <string>
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
  void Clear() {
    items_.clear();
    folded_.clear();
  }
  const std::vector<std::wstring>& Items() const { return items_; }
  std::size_t Size() const { return items_.size(); }

 private:
  std::function<std::wstring(const std::wstring&)> fold_;
  std::vector<std::wstring> items_;
  std::vector<std::wstring> folded_;  // parallel to items_
};

}  // namespace kalvora::tree
