#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"
#include "tree/DocumentTree.h"

namespace kalvora::records {

// A number of a record file: optional blanks around an optional sign and
// decimal digits that fit in 32 bits; anything else is not a number.
std::optional<std::int32_t> ParseRecordNumber(std::wstring_view text);

// The record file: the "All" tree as XML, read back into the four trees,
// and searched for items.
class RecordFile {
 public:
  // Walks over the top level of a tree or a file stop after this many.
  static constexpr std::size_t kTopLevelLimit = 5000;

  // host: the main window, which lets messages run and shows the "Web Page"
  // tab. programFile: the full path of the running program, written as "app".
  RecordFile(const platform::Platform& platform, tree::DocumentTree& documents, tree::DocumentTreeHost& host,
             std::wstring programFile);

  // Writes the "All" tree; false when the file was not replaced (the old
  // one, if any, is then kept as it was).
  bool WriteRecordFile(const std::wstring& path);
  // Clears the "All" tree and fills it from the file. False when the file
  // could not be read whole: unreadable or not a well-formed document (the
  // tree stays empty), or an item lacked a required attribute or had a
  // number that is not one (the items before it stay).
  bool ReadRecordTree(const std::wstring& path);
  // Opens a record when the file exists: the table and all four trees are
  // emptied, the "All" tree read, then the typed trees built from it when
  // the whole file was read. False when the record did not load whole (the
  // file could not be read, or the tree lost nodes while messages ran).
  bool LoadRecord(const std::wstring& path);
  // Fills the "Web Page", "Application" and "File Folder" trees from the
  // top two levels of the "All" tree.
  void BuildTypedViews();
  // Hands every item of the file whose path or text contains key (ignoring
  // case) to the "All" tree, unless it is there already.
  void SearchRecordFile(const std::wstring& path, const std::wstring& key);

  // Per entry of the table: whether its node was written expanded with
  // children ("extand" 1).
  const std::vector<bool>& ExtandFlags() const { return extand_; }

 private:
  // generation: the "All" tree's when the walk began; a pump that takes
  // nodes away ends it.
  void WriteNode(tree::NodeId node, platform::XmlElement& parent, std::uint64_t generation);
  bool ReadItem(const platform::XmlElement& element, tree::NodeId parent, const std::wstring& parentGroup,
                std::uint64_t generation);
  void CopyToTypedTree(tree::TreeModel& target, tree::NodeId allNode, tree::NodeId parent);
  void SearchItem(const platform::XmlElement& element, const std::wstring& lowerKey);

  platform::Platform platform_;
  tree::DocumentTree& documents_;
  tree::DocumentTreeHost& host_;
  std::wstring programFile_;
  std::vector<bool> extand_;
};

}  // namespace kalvora::records
