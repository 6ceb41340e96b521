#include "records/RecordFile.h"

#include <limits>
#include <utility>

#include "common/Guarded.h"
#include "common/PathText.h"
#include "common/WideText.h"
#include "records/SafeFileWrite.h"

namespace kalvora::records {

using platform::XmlElement;
using tree::NodeId;
using tree::TreeModel;
using tree::TreeNode;

std::optional<std::int32_t> ParseRecordNumber(std::wstring_view text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && (text[first] == L' ' || text[first] == L'\t')) ++first;
  while (last > first && (text[last - 1] == L' ' || text[last - 1] == L'\t')) --last;
  bool negative = false;
  if (first < last && (text[first] == L'-' || text[first] == L'+')) negative = text[first++] == L'-';
  if (first == last) return std::nullopt;
  // Accumulated as a magnitude, so that the smallest value still fits.
  const std::int64_t limit = negative ? -std::int64_t{std::numeric_limits<std::int32_t>::min()}
                                      : std::int64_t{std::numeric_limits<std::int32_t>::max()};
  std::int64_t value = 0;
  for (std::size_t i = first; i < last; ++i) {
    if (text[i] < L'0' || text[i] > L'9') return std::nullopt;
    value = value * 10 + (text[i] - L'0');
    if (value > limit) return std::nullopt;
  }
  return static_cast<std::int32_t>(negative ? -value : value);
}

RecordFile::RecordFile(const platform::Platform& platform, tree::DocumentTree& documents, tree::DocumentTreeHost& host,
                       std::wstring programFile)
    : platform_(platform), documents_(documents), host_(host), programFile_(std::move(programFile)) {}

// ---------------------------------------------------------------- writing

bool RecordFile::WriteRecordFile(const std::wstring& path) {
  // A record that cannot be written is not worth a message: the next save
  // tries again, and the old file stays as it was.
  return GuardedOr(L"RecordFile.WriteRecordFile", false, [&] {
    XmlElement root{L"revistotree", {{L"app", programFile_}}, {}};
    const auto& roots = documents_.TVDocs().Roots();
    for (std::size_t i = 0; i < roots.size() && i < kTopLevelLimit; ++i) WriteNode(roots[i], root);
    const std::optional<std::string> bytes = platform_.xml.Serialize(root);
    return bytes && WriteFileSafely(platform_.files, path, *bytes);
  });
}

void RecordFile::WriteNode(NodeId node, XmlElement& parent) {
  TreeModel& all = documents_.TVDocs();
  const TreeNode& data = all.Node(node);
  const int index = data.data.DocIndex;
  const tree::DocTable& docs = documents_.Docs();
  const std::wstring docType = std::to_wstring(docs.Valid(index) ? docs[index].docType : 0);
  const wchar_t* extand = data.children.empty() ? L"-1" : data.expanded ? L"1" : L"0";
  XmlElement element{L"item",
                     {{L"text", data.text},
                      {L"path", documents_.GetDocPath(index)},
                      {L"imageIndex", std::to_wstring(data.imageIndex)},
                      {L"stateIndex", std::to_wstring(data.stateIndex)},
                      {L"docType", docType},
                      {L"extand", extand}},
                     {}};
  platform::XmlElement& added = parent.children.emplace_back(std::move(element));
  // A copy of the child list: a message handled during the pump may change
  // the tree under us.
  const std::vector<NodeId> children = all.Node(node).children;
  host_.PumpMessages();
  for (NodeId child : children) {
    if (all.Contains(child)) WriteNode(child, added);
  }
}

// ---------------------------------------------------------------- reading

bool RecordFile::ReadRecordTree(const std::wstring& path) {
  TreeModel& all = documents_.TVDocs();
  all.Clear();
  return GuardedOr(L"RecordFile.ReadRecordTree", false, [&] {
    const std::optional<std::string> bytes = platform_.files.ReadFile(path);
    if (!bytes) return false;
    // A document that is not well formed, or that declares a DTD, has no
    // root here: it loads as an empty tree.
    const std::optional<XmlElement> root = platform_.xml.Parse(*bytes);
    if (!root) return false;
    for (std::size_t i = 0; i < root->children.size() && i < kTopLevelLimit; ++i) {
      if (!ReadItem(root->children[i], tree::NoNode)) return false;
    }
    return true;
  });
}

bool RecordFile::ReadItem(const XmlElement& element, NodeId parent) {
  // Every required value is checked before anything is added, so a bad item
  // leaves no half-made node (a node without its entry) behind.
  const std::wstring* text = element.Attribute(L"text");
  const std::wstring* path = element.Attribute(L"path");
  const std::wstring* imageText = element.Attribute(L"imageIndex");
  const std::wstring* docTypeText = element.Attribute(L"docType");
  const std::wstring* extandText = element.Attribute(L"extand");
  if (!text || !path || !imageText || !docTypeText || !extandText) return false;
  const std::optional<std::int32_t> imageIndex = ParseRecordNumber(*imageText);
  const std::optional<std::int32_t> docType = ParseRecordNumber(*docTypeText);
  const std::optional<std::int32_t> extand = ParseRecordNumber(*extandText);
  if (!imageIndex || !docType || !extand) return false;

  TreeModel& all = documents_.TVDocs();
  tree::TMyDoc doc;
  doc.groupKey = *path;
  doc.path = *path;
  doc.title = *text;
  doc.docType = *docType;
  doc.imageIndex = *imageIndex;
  doc.expanded = false;
  const int index = documents_.Docs().Append(std::move(doc));
  extand_.resize(static_cast<std::size_t>(index) + 1, false);
  extand_[static_cast<std::size_t>(index)] = *extand == 1;
  const NodeId node = all.AddChild(parent, *text, *imageIndex, index);
  if (*docType == tree::DocTypeWebPage) host_.ShowWebPageTab();

  host_.PumpMessages();
  // Something run by the pump may have emptied the tree: nothing left to
  // hang the children on.
  if (!all.Contains(node)) return false;
  for (const XmlElement& child : element.children) {
    if (!ReadItem(child, node)) return false;
  }
  return true;
}

void RecordFile::LoadRecord(const std::wstring& path) {
  Guarded(L"RecordFile.LoadRecord", [&] {
    if (!platform_.files.FileExists(path)) return;
    // The table starts again, so every tree's nodes would point at the
    // wrong entries: all four trees start again with it.
    documents_.Clear();
    extand_.clear();
    if (ReadRecordTree(path)) BuildTypedViews();
  });
}

// ------------------------------------------------------------ typed views

void RecordFile::BuildTypedViews() {
  TreeModel& all = documents_.TVDocs();
  const tree::DocTable& docs = documents_.Docs();
  for (std::size_t i = 0; i < kTopLevelLimit && i < all.Roots().size(); ++i) {
    host_.PumpMessages();
    if (i >= all.Roots().size()) break;
    const NodeId node = all.Roots()[i];
    const int index = all.Node(node).data.DocIndex;
    if (!docs.Valid(index)) continue;
    switch (docs[index].docType) {
      case tree::DocTypeWebPage: CopyToTypedTree(documents_.TVDoc(), node, tree::NoNode); break;
      case tree::DocTypeApplication: CopyToTypedTree(documents_.TVApp(), node, tree::NoNode); break;
      case tree::DocTypeFolder: CopyToTypedTree(documents_.TVPath(), node, tree::NoNode); break;
      default: break;
    }
  }
}

// Copies the node, and when it is a top-level node its direct children,
// under parent of the target tree.
void RecordFile::CopyToTypedTree(TreeModel& target, NodeId allNode, NodeId parent) {
  const TreeModel& all = documents_.TVDocs();
  const tree::DocTable& docs = documents_.Docs();
  const int index = all.Node(allNode).data.DocIndex;
  if (!docs.Valid(index)) return;
  const NodeId copy = target.AddChild(parent, docs[index].title, docs[index].imageIndex, index);
  if (parent != tree::NoNode) return;
  for (NodeId child : all.Node(allNode).children) CopyToTypedTree(target, child, copy);
}

// ---------------------------------------------------------------- search

void RecordFile::SearchRecordFile(const std::wstring& path, const std::wstring& key) {
  Guarded(L"RecordFile.SearchRecordFile", [&] {
    const std::optional<std::string> bytes = platform_.files.ReadFile(path);
    if (!bytes) return;
    const std::optional<XmlElement> root = platform_.xml.Parse(*bytes);
    if (!root) return;
    const std::wstring lowerKey = platform_.text.Lower(key);
    for (std::size_t i = 0; i < root->children.size() && i < kTopLevelLimit; ++i) SearchItem(root->children[i], lowerKey);
  });
}

void RecordFile::SearchItem(const XmlElement& element, const std::wstring& lowerKey) {
  const std::wstring* textValue = element.Attribute(L"text");
  const std::wstring* pathValue = element.Attribute(L"path");
  const std::wstring text = textValue ? *textValue : std::wstring();
  // A file URL is decoded whole, once; in a plain path "%20" stands for a blank.
  const std::wstring path = !pathValue                ? std::wstring()
                            : text::IsFileUrl(*pathValue) ? text::FileUrlToPath(*pathValue)
                                                          : text::ReplaceAll(*pathValue, L"%20", L" ");
  const std::wstring lowerPath = platform_.text.Lower(path);
  const bool match = lowerPath.find(lowerKey) != std::wstring::npos ||
                     platform_.text.Lower(text).find(lowerKey) != std::wstring::npos;
  // An item without a path has nothing to open, so it is shown in the trace
  // but not added.
  if (match) {
    documents_.AddDebugLine(lowerPath);
    documents_.AddDebugLine(text);
    if (!text::Trim(path).empty() && !documents_.ItemInTree(path, text)) documents_.AddItem(path, text);
  }
  for (const XmlElement& child : element.children) SearchItem(child, lowerKey);
}

}  // namespace kalvora::records
