#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace kalvora::tree {

// Kinds of item, as record files store them in "docType".
enum DocType : std::int32_t {
  DocTypeWebPage = 1,
  DocTypeApplication = 2,  // programs, documents under them, shell names, other items
  DocTypeFolder = 3,
};

// One item of the open record.
struct TMyDoc {
  std::wstring groupKey;
  std::wstring path;
  std::wstring title;
  std::int32_t docType = 0;
  std::wstring date;  // "yyyy-mm-dd"
  std::int32_t imageIndex = 0;
  bool expanded = true;
};

// The items of the open record. Entries are only appended; an entry's index
// never changes while the record is open. Paths and group keys are indexed
// by their folded form (lowercased and trimmed), so the duplicate and group
// tests do not scan the table.
class DocTable {
 public:
  // fold: lowercase(trim(text)) by the system's rules.
  explicit DocTable(std::function<std::wstring(const std::wstring&)> fold);

  int Append(TMyDoc doc);
  const TMyDoc& operator[](int index) const { return docs_[static_cast<std::size_t>(index)]; }
  bool Valid(int index) const { return index >= 0 && static_cast<std::size_t>(index) < docs_.size(); }
  int Size() const { return static_cast<int>(docs_.size()); }
  bool Empty() const { return docs_.empty(); }
  const std::vector<TMyDoc>& Entries() const { return docs_; }
  void Clear();

  // Replaces a whole entry (filling one appended empty).
  void Set(int index, TMyDoc doc);
  void SetPath(int index, std::wstring path);
  void SetExpanded(int index, bool expanded) { docs_[static_cast<std::size_t>(index)].expanded = expanded; }

  // Some entry's folded path equals this folded text.
  bool HasFoldedPath(const std::wstring& folded) const { return Has(paths_, folded); }
  // Some entry's folded group key equals this folded text.
  bool HasFoldedGroupKey(const std::wstring& folded) const { return Has(groupKeys_, folded); }

 private:
  using Counts = std::unordered_map<std::wstring, int>;
  static bool Has(const Counts& counts, const std::wstring& key) {
    auto it = counts.find(key);
    return it != counts.end() && it->second > 0;
  }
  static void Drop(Counts& counts, const std::wstring& key);

  std::function<std::wstring(const std::wstring&)> fold_;
  std::vector<TMyDoc> docs_;
  Counts paths_;
  Counts groupKeys_;
};

}  // namespace kalvora::tree
