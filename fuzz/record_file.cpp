// A record file's bytes, read as the program reads them: loaded into the
// four trees, written back and read again, and searched.
#include <string>

#include "FuzzSupport.h"
#include "records/RecordFile.h"
#include "support/DocumentTreeHarness.h"

namespace kalvora::fuzz {
namespace {

constexpr const wchar_t* kProgram = L"C:\\Program Files\\Kalvora\\kalvora.exe";
constexpr const wchar_t* kRecord = L"C:\\Records\\Mar 05,2012_001.revisto";
constexpr const wchar_t* kCopy = L"C:\\Records\\copy.revisto";

// Every node with its entry, so that two readings can be compared.
std::wstring Outline(tree::DocumentTree& documents, tree::TreeModel& model) {
  std::wstring text;
  model.ForEachDepthFirst([&](tree::NodeId id) {
    const tree::TreeNode& node = model.Node(id);
    const tree::TMyDoc& doc = documents.Docs()[node.data.DocIndex];
    int depth = 0;
    for (tree::NodeId up = node.parent; up != tree::NoNode; up = model.Node(up).parent) ++depth;
    text += std::to_wstring(depth) + L"|" + node.text + L"|" + std::to_wstring(node.imageIndex) + L"|" + doc.path +
            L"|" + doc.title + L"|" + std::to_wstring(doc.docType) + L"\n";
  });
  return text;
}

// The typed trees, built only when the whole file was read.
std::wstring TypedOutline(tree::DocumentTree& documents) {
  return Outline(documents, documents.TVApp()) + L"--\n" + Outline(documents, documents.TVPath()) + L"--\n" +
         Outline(documents, documents.TVDoc());
}

void CheckRead(testing::DocumentTreeHarness& h, const records::RecordFile& records) {
  CheckNothingSwallowed(h.machine.developerLog());
  CheckDocIndexes(h.tree);
  Check(records.ExtandFlags().size() <= static_cast<std::size_t>(h.tree.Docs().Size()),
        "more extand flags than entries");
}

}  // namespace
}  // namespace kalvora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kalvora;
  using namespace kalvora::fuzz;
  const std::string bytes = Bytes(data, size);

  testing::DocumentTreeHarness h;
  h.machine.files().AddFile(kRecord, bytes);
  records::RecordFile records{h.process.Platform(), h.tree, h.host, kProgram};
  records.LoadRecord(kRecord);
  CheckRead(h, records);

  // What was read is saved the same way: writing it and reading the copy
  // gives the same four trees.
  Check(records.WriteRecordFile(kCopy), "a record that was read cannot be saved");
  if (h.tree.Docs().Size() > 0) {
    const std::optional<std::string> copy = h.machine.files().ReadFile(kCopy);
    Check(copy.has_value(), "a record reported written is missing");
    testing::DocumentTreeHarness again;
    again.machine.files().AddFile(kCopy, *copy);
    records::RecordFile reader{again.process.Platform(), again.tree, again.host, kProgram};
    reader.LoadRecord(kCopy);
    CheckRead(again, reader);
    const std::wstring before = Outline(h.tree, h.tree.TVDocs());
    const std::wstring after = Outline(again.tree, again.tree.TVDocs());
    if (before != after) Fail("a written record reads back different", before + L"\n<>\n" + after);
    // A file that stopped at a bad item has no typed trees; its copy is whole.
    const bool readWhole = !h.tree.TVApp().Empty() || !h.tree.TVPath().Empty() || !h.tree.TVDoc().Empty();
    if (readWhole && TypedOutline(h.tree) != TypedOutline(again.tree))
      Fail("a written record builds other typed trees", TypedOutline(h.tree) + L"\n<>\n" + TypedOutline(again.tree));
  }
  CheckNothingSwallowed(h.machine.developerLog());

  // Searching hands every matching item to the "All" tree.
  testing::DocumentTreeHarness searched;
  searched.machine.files().AddFile(kRecord, bytes);
  records::RecordFile finder{searched.process.Platform(), searched.tree, searched.host, kProgram};
  finder.SearchRecordFile(kRecord, L"");
  CheckNothingSwallowed(searched.machine.developerLog());
  CheckDocIndexes(searched.tree);
  return 0;
}
