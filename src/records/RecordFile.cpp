#include "records/RecordFile.h"

#include <limits>
#include <utility>

#include "common/Guarded.h"
#include "common/PathText.h"
#include "common/WideText.h"
#include "records/SafeFileWrite.h"
#include "tree/StockImages.h"

namespace kalvora::records {
namespace {

// Whether a path from a record names this machine's own files. A record
// can come from anywhere, so what it names on another machine (a network
// path, a file URL with a host, a mapped network drive) is never opened
// for it. Web addresses are pages, not files, and stay as they are.
bool IsLocalRecordPath(platform::Drives& drives, const std::wstring& path) {
  const std::wstring trimmed = text::Trim(path);
  if (trimmed.starts_with(L"\\\\") || trimmed.starts_with(L"//") || trimmed.starts_with(L"\\/") ||
      trimmed.starts_with(L"/\\"))
    return false;
  const std::wstring lower = text::LowerAscii(trimmed);
  std::wstring local = trimmed;
  if (lower.starts_with(L"file:")) {
    // "file:///C:/..." is local; "file://host/..." and "file:////host" are not.
    const std::wstring rest = trimmed.substr(5);
    if (!rest.starts_with(L"///") || rest.starts_with(L"////") || rest.starts_with(L"///\\")) return false;
    local = rest.substr(3);
  }
  if (local.size() >= 2 && local[1] == L':') {
    const std::wstring root = std::wstring(1, local[0]) + L":\\";
    return drives.DriveType(root) != platform::DriveRemote;
  }
  return true;
}

// The stock picture of a missing or unknown item.
constexpr int kUnknownImage = 12;

// Passed down to a program's documents, which belong to no group.
constexpr const wchar_t* kNoGroup = L"\x01";

}  // namespace

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
    const std::uint64_t generation = documents_.TVDocs().Generation();
    // A copy: the pump may change the tree; a tree that lost nodes meanwhile
    // would be written half or mixed, so the old file is kept instead.
    const std::vector<NodeId> roots = documents_.TVDocs().Roots();
    for (std::size_t i = 0; i < roots.size() && i < kTopLevelLimit; ++i) {
      if (documents_.TVDocs().Generation() != generation) return false;
      WriteNode(roots[i], root, generation);
    }
    if (documents_.TVDocs().Generation() != generation) return false;
    const std::optional<std::string> bytes = platform_.xml.Serialize(root);
    return bytes && WriteFileSafely(platform_.files, path, *bytes);
  });
}

void RecordFile::WriteNode(NodeId node, XmlElement& parent, std::uint64_t generation) {
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
    if (all.Generation() != generation) return;
    WriteNode(child, added, generation);
  }
}

// ---------------------------------------------------------------- reading

bool RecordFile::ReadRecordTree(const std::wstring& path) {
  TreeModel& all = documents_.TVDocs();
  all.Clear();
  // Held here, not in a member: a read run by the pump has its own.
  const std::uint64_t generation = all.Generation();
  return GuardedOr(L"RecordFile.ReadRecordTree", false, [&] {
    const std::optional<std::string> bytes = platform_.files.ReadFile(path);
    if (!bytes) return false;
    // A document that is not well formed, or that declares a DTD, has no
    // root here: it loads as an empty tree.
    const std::optional<XmlElement> root = platform_.xml.Parse(*bytes);
    if (!root) return false;
    for (std::size_t i = 0; i < root->children.size() && i < kTopLevelLimit; ++i) {
      if (!ReadItem(root->children[i], tree::NoNode, std::wstring(), generation)) return false;
    }
    return all.Generation() == generation;
  });
}

bool RecordFile::ReadItem(const XmlElement& element, NodeId parent, const std::wstring& parentGroup,
                          std::uint64_t generation) {
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
  // Images past the stock ones were appended by the run that wrote the
  // record; in this run those places hold other files' icons, if any.
  // An icon is not fetched from another machine: such an item shows the
  // picture of an unknown one.
  const int stockImages = static_cast<int>(tree::StockImagePresets().size());
  int image = *imageIndex;
  if (image >= stockImages)
    image = IsLocalRecordPath(platform_.drives, *path) ? documents_.GetFileIconIndex(*path, *text) : kUnknownImage;
  // The group key is not stored: it is the one the tree gave the entry when
  // it was added. A group takes it from its path, as a new item would; its
  // items share the group's, except a program's documents, which have none.
  std::wstring groupKey;
  if (parent == tree::NoNode)
    groupKey = text::Trim(documents_.Paths().GetGroupKey(*path));
  else if (parentGroup != kNoGroup)
    groupKey = parentGroup;
  tree::TMyDoc doc;
  doc.groupKey = groupKey;
  doc.path = *path;
  doc.title = *text;
  doc.docType = *docType;
  doc.imageIndex = image;
  doc.expanded = false;
  const int index = documents_.Docs().Append(std::move(doc));
  extand_.resize(static_cast<std::size_t>(index) + 1, false);
  extand_[static_cast<std::size_t>(index)] = *extand == 1;
  const NodeId node = all.AddChild(parent, *text, image, index);
  if (*docType == tree::DocTypeWebPage) host_.ShowWebPageTab();

  host_.PumpMessages();
  // Something run by the pump took nodes away (another record was opened, a
  // capture began): the ids held here may name other nodes by now.
  if (all.Generation() != generation) return false;
  const std::wstring childGroup =
      parent == tree::NoNode && *docType == tree::DocTypeApplication ? std::wstring(kNoGroup) : groupKey;
  for (const XmlElement& child : element.children) {
    if (!ReadItem(child, node, childGroup, generation)) return false;
  }
  return true;
}

bool RecordFile::LoadRecord(const std::wstring& path) {
  return GuardedOr(L"RecordFile.LoadRecord", false, [&] {
    if (!platform_.files.FileExists(path)) return true;
    // The table starts again, so every tree's nodes would point at the
    // wrong entries: all four trees start again with it.
    documents_.Clear();
    extand_.clear();
    if (!ReadRecordTree(path)) return false;
    // The generation the read ended with is the tree's own; the copies
    // into the typed trees let messages run again.
    const std::uint64_t generation = documents_.TVDocs().Generation();
    BuildTypedViews();
    return documents_.TVDocs().Generation() == generation;
  });
}

// ------------------------------------------------------------ typed views

void RecordFile::BuildTypedViews() {
  TreeModel& all = documents_.TVDocs();
  const tree::DocTable& docs = documents_.Docs();
  const std::uint64_t generation = all.Generation();
  for (std::size_t i = 0; i < kTopLevelLimit && i < all.Roots().size(); ++i) {
    host_.PumpMessages();
    if (all.Generation() != generation || i >= all.Roots().size()) break;
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
    // Asked of the path as the record spells it and as decoded, so no
    // spelling of another machine's path slips through.
    const bool local =
        pathValue && IsLocalRecordPath(platform_.drives, *pathValue) && IsLocalRecordPath(platform_.drives, path);
    if (!text::Trim(path).empty() && local && !documents_.ItemInTree(path, text))
      documents_.AddItem(path, text);
  }
  for (const XmlElement& child : element.children) SearchItem(child, lowerKey);
}

}  // namespace kalvora::records
