// A record tree that the record file tests of both builds write and read
// back, and the text that shows what a load made of it.
#pragma once
#include <string>

#include "tree/DocumentTree.h"

namespace record_file_cases {

using kalvora::tree::DocumentTree;
using kalvora::tree::NodeId;
using kalvora::tree::TMyDoc;
using kalvora::tree::TreeModel;

// A main window that only counts what it was asked to do.
class CountingHost : public kalvora::tree::DocumentTreeHost {
 public:
  void ShowWebPageTab() override { ++webPageTabShown; }
  void ShowHint(const std::wstring&) override {}
  void AdvanceGauge() override {}
  void PumpMessages() override { ++pumps; }
  void TraceChanged() override {}
  int webPageTabShown = 0;
  int pumps = 0;
};

// Adds a node to the "All" tree with its entry; expanded only matters for
// nodes that get children.
inline NodeId AddAllNode(DocumentTree& documents, NodeId parent, const std::wstring& text, const std::wstring& path,
                         int docType, int image, bool expanded = false) {
  TMyDoc doc;
  doc.groupKey = L"key of " + text;  // not written: a read gives the path instead
  doc.path = path;
  doc.title = text;
  doc.docType = docType;
  doc.date = L"2024-02-29";
  const int index = documents.Docs().Append(doc);
  TreeModel& all = documents.TVDocs();
  const NodeId node = all.AddChild(parent, text);
  all.MutableNode(node).data.DocIndex = index;
  all.SetImages(node, image);
  if (expanded) all.MutableNode(node).expanded = true;
  return node;
}

// Groups of every kind, a third level, a kind that no typed tree takes, and
// captions and paths with what escaping and encoding can get wrong.
inline void BuildSampleTree(DocumentTree& documents) {
  const NodeId projects = AddAllNode(documents, -1, L"D:\\Projects", L"D:\\Projects", 3, 0, true);
  AddAllNode(documents, projects, L"Report \"Q1\" & <draft>.docx", L"D:\\Projects\\Report \"Q1\" & <draft>.docx", 2, 80);
  const NodeId sub = AddAllNode(documents, projects, L"Caf\u00e9 \u65e5\u672c", L"D:\\Projects\\Caf\u00e9 \u65e5\u672c", 3, 0);
  AddAllNode(documents, sub, L"deep.txt", L"D:\\Projects\\Caf\u00e9 \u65e5\u672c\\deep.txt", 2, 81);
  const NodeId web = AddAllNode(documents, -1, L"example.com", L"http://example.com/", 1, 14);
  AddAllNode(documents, web, L"Example Page", L"http://example.com/a?b=1&c=2", 1, 14);
  AddAllNode(documents, -1, L"Notepad", L"C:\\Windows\\notepad.exe", 2, -3);
  AddAllNode(documents, -1, L"Odd", L"x:odd", 0, 2);
}

namespace detail {
inline std::wstring Level(const TreeModel& model, const std::vector<NodeId>& level) {
  std::wstring text;
  for (NodeId id : level) {
    const auto& node = model.Node(id);
    if (!text.empty()) text += L", ";
    text += node.text + L"[" + std::to_wstring(node.imageIndex);
    if (node.selectedIndex != node.imageIndex) text += L" selected " + std::to_wstring(node.selectedIndex);
    text += L"]#" + std::to_wstring(node.data.DocIndex);
    if (!node.children.empty()) text += L"{" + Level(model, node.children) + L"}";
  }
  return text;
}
}  // namespace detail

// The four trees (text[image]#DocIndex, children in braces) and the table
// (groupKey|path|title|docType|image|date|expanded), one line each.
inline std::wstring Outline(DocumentTree& documents) {
  std::wstring text = L"All: " + detail::Level(documents.TVDocs(), documents.TVDocs().Roots()) + L"\n";
  text += L"Application: " + detail::Level(documents.TVApp(), documents.TVApp().Roots()) + L"\n";
  text += L"File Folder: " + detail::Level(documents.TVPath(), documents.TVPath().Roots()) + L"\n";
  text += L"Web Page: " + detail::Level(documents.TVDoc(), documents.TVDoc().Roots()) + L"\n";
  for (const TMyDoc& doc : documents.Docs().Entries()) {
    text += doc.groupKey + L"|" + doc.path + L"|" + doc.title + L"|" + std::to_wstring(doc.docType) + L"|" +
            std::to_wstring(doc.imageIndex) + L"|" + doc.date + L"|" + (doc.expanded ? L"expanded" : L"-") + L"\n";
  }
  return text;
}

// What loading the sample record gives: the same captions, paths, kinds,
// stock images and order; images past the stock ones (80, 81: another run's
// icons) worked out again from the path; each entry's group key as adding
// the item gives it. The typed trees take two levels of their kind only.
inline const wchar_t* const kSampleLoaded =
    L"All: D:\\Projects[0]#0{Report \"Q1\" & <draft>.docx[12]#1, Caf\u00e9 \u65e5\u672c[0]#2{deep.txt[9]#3}}, "
    L"example.com[14]#4{Example Page[14]#5}, Notepad[-3]#6, Odd[2]#7\n"
    L"Application: Notepad[-3]#6\n"
    L"File Folder: D:\\Projects[0]#0{Report \"Q1\" & <draft>.docx[12]#1, Caf\u00e9 \u65e5\u672c[0]#2}\n"
    L"Web Page: example.com[14]#4{Example Page[14]#5}\n"
    L"D:\\Projects|D:\\Projects|D:\\Projects|3|0||-\n"
    L"D:\\Projects|D:\\Projects\\Report \"Q1\" & <draft>.docx|"
    L"Report \"Q1\" & <draft>.docx|2|12||-\n"
    L"D:\\Projects|D:\\Projects\\Caf\u00e9 \u65e5\u672c|Caf\u00e9 \u65e5\u672c|3|0||-\n"
    L"D:\\Projects|D:\\Projects\\Caf\u00e9 \u65e5\u672c\\deep.txt|deep.txt|2|9||-\n"
    L"example.com|http://example.com/|example.com|1|14||-\n"
    L"example.com|http://example.com/a?b=1&c=2|Example Page|1|14||-\n"
    L"C:\\Windows|C:\\Windows\\notepad.exe|Notepad|2|-3||-\n"
    L"x:odd|x:odd|Odd|0|2||-\n";

// The "extand" flags of the sample's entries after a load: only the
// expanded group with children.
inline const std::vector<bool> kSampleExtand = {true, false, false, false, false, false, false, false};

}  // namespace record_file_cases
