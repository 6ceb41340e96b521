#pragma once
#include <string>
#include <vector>

#include "platform/sim/SimMachine.h"
#include "platform/sim/SimProcess.h"
#include "tree/DocumentTree.h"

namespace kalvora::testing {

// What the document tree asked of the main window.
class RecordingTreeHost : public tree::DocumentTreeHost {
 public:
  void ShowWebPageTab() override { ++webPageTabShown; }
  void ShowHint(const std::wstring& path) override { hints.push_back(path); }
  void AdvanceGauge() override { ++gaugeSteps; }
  void PumpMessages() override { ++pumps; }
  void TraceChanged() override { ++traceChanges; }

  int webPageTabShown = 0;
  std::vector<std::wstring> hints;
  int gaugeSteps = 0;
  int pumps = 0;
  int traceChanges = 0;
};

inline std::wstring Describe(const tree::TMyDoc& doc);

// A machine with drives C: and D:, the user's documents folder and a
// document tree whose "All" image list starts with the 78 stock images.
struct DocumentTreeHarness {
  static constexpr const wchar_t* kDocuments = L"C:\\Users\\joe\\Documents";
  static constexpr int kStockImages = 78;

  platform::sim::SimMachine machine;
  platform::sim::SimProcess process{machine};
  resolve::Wow64State wow64{process.system()};
  RecordingTreeHost host;
  tree::DocumentTree tree{process.Platform(), wow64, kDocuments, host,
                          std::vector<platform::PresetIcon>(kStockImages)};

  DocumentTreeHarness() {
    machine.files().AddDrive(L'D');
    machine.files().CreateDirectoryTree(kDocuments);
  }

  void AddFolder(const std::wstring& path) { machine.files().CreateDirectoryTree(path); }
  void AddFile(const std::wstring& path) { machine.files().AddFile(path, "x"); }
  // HKEY_CLASSES_ROOT\key, default value.
  void SetClass(const std::wstring& key, const std::wstring& value) {
    machine.registry().SetValue({platform::RegistryRoot::ClassesRoot, key}, L"", platform::sim::RegistryType::String,
                                value);
  }
  // Files with this extension open with the command line (e.g. "\"C:\x\app.exe\" \"%1\"").
  void Associate(const std::wstring& extension, const std::wstring& command) {
    const std::wstring type = extension.substr(1) + L"file";
    SetClass(extension, type);
    SetClass(type + L"\\shell\\open\\command", command);
  }
  // Files with this extension open with the program, which exists.
  void AssociateProgram(const std::wstring& extension, const std::wstring& program) {
    if (!machine.files().FileExists(program)) AddFile(program);
    Associate(extension, L"\"" + program + L"\" \"%1\"");
  }
  // Files with this extension open in the Windows photo viewer.
  void AssociatePhotoViewer(const std::wstring& extension) {
    Associate(extension,
              L"%SystemRoot%\\System32\\rundll32.exe \"C:\\Program Files\\Windows Photo Viewer\\PhotoViewer.dll\", "
              L"ImageView_Fullscreen %1");
  }

  // The images of the "All" tree's list: "preset:<n>" or an appended file.
  std::vector<std::wstring> Images() { return process.imageLists().Images(tree.ImageList222()); }
  int EntryCount() { return tree.Docs().Size(); }
  // Every entry of the table, described.
  std::vector<std::wstring> Entries() {
    std::vector<std::wstring> entries;
    for (const tree::TMyDoc& doc : tree.Docs().Entries()) entries.push_back(Describe(doc));
    return entries;
  }
};

namespace detail {
template <typename Mark>
std::wstring Render(const tree::TreeModel& model, const std::vector<tree::NodeId>& level, const Mark& mark) {
  std::wstring text;
  for (tree::NodeId id : level) {
    const tree::TreeNode& node = model.Node(id);
    if (!text.empty()) text += L", ";
    text += node.text + mark(node);
    if (!node.children.empty()) text += L"{" + Render(model, node.children, mark) + L"}";
  }
  return text;
}
}  // namespace detail

// A tree as text, as the user sees it: roots separated by ", ", children in
// braces after their parent, each node followed by its image index in
// brackets ("C:\Users[0]{joe\Music[0]}, D:[0]"). A selected image that
// differs from the image, or a state image that is set, shows as well.
inline std::wstring Shape(const tree::TreeModel& model) {
  return detail::Render(model, model.Roots(), [](const tree::TreeNode& node) {
    std::wstring mark = L"[" + std::to_wstring(node.imageIndex);
    if (node.selectedIndex != node.imageIndex) mark += L" selected " + std::to_wstring(node.selectedIndex);
    if (node.stateIndex != -1) mark += L" state " + std::to_wstring(node.stateIndex);
    return mark + L"]";
  });
}

// The same with each node's DocIndex instead of its image ("C:\Users#0{joe\Music#1}").
inline std::wstring DocIndexes(const tree::TreeModel& model) {
  return detail::Render(model, model.Roots(),
                        [](const tree::TreeNode& node) { return L"#" + std::to_wstring(node.data.DocIndex); });
}

// An entry as "groupKey|path|title|docType" (dates are looked at on their own).
inline std::wstring Describe(const tree::TMyDoc& doc) {
  return doc.groupKey + L"|" + doc.path + L"|" + doc.title + L"|" + std::to_wstring(doc.docType);
}

}  // namespace kalvora::testing
