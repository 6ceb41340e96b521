// A tree-state file's bytes, restored over an "All" tree whose shape the
// first byte chooses, then saved and restored again.
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "SettingsParts.h"
#include "records/RecordLibrary.h"
#include "records/TreeStateFile.h"
#include "support/DocumentTreeHarness.h"

namespace kalvora::fuzz {
namespace {

constexpr const wchar_t* kState = L"C:\\Records\\Mar 05,2012_001.revistotreesel";
constexpr const wchar_t* kSaved = L"C:\\Records\\saved.revistotreesel";

class NoRecordHost final : public records::RecordLibraryHost {
 public:
  bool WriteRecord(const std::wstring&) override { return false; }
  bool LoadRecord(const std::wstring&) override { return true; }
  void Render() override {}
};

std::vector<bool> Expanded(const tree::TreeModel& model) {
  std::vector<bool> states;
  for (tree::NodeId root : model.Roots()) states.push_back(model.Node(root).expanded);
  return states;
}

bool InBmp(const std::vector<std::wstring>& lines) {
  for (const std::wstring& line : lines)
    for (wchar_t c : line)
      if (static_cast<unsigned long>(c) > 0xFFFF) return false;
  return true;
}

}  // namespace
}  // namespace kalvora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kalvora;
  using namespace kalvora::fuzz;
  if (size == 0) return 0;
  // Up to 15 groups; a set bit gives the group children.
  const unsigned shape = data[0];
  const std::string bytes = Bytes(data + 1, size - 1);

  testing::DocumentTreeHarness h;
  platform::Platform platform = h.process.Platform();
  h.machine.files().AddFile(kState, bytes);
  tree::TreeModel& all = h.tree.TVDocs();
  const unsigned groups = shape & 0x0F;
  for (unsigned i = 0; i < groups; ++i) {
    const tree::NodeId group = all.AddChild(tree::NoNode, L"group" + std::to_wstring(i));
    if ((shape >> 4) & (1u << (i % 4))) all.AddChild(group, L"member");
  }
  SettingsParts settings(platform);
  window::MainWindowState state;
  window::MainWindowLayout layout;
  NoRecordHost host;
  records::RecordLibrary library(platform, h.tree, state, layout, settings.store, host);

  library.RestoreTreeState(kState);
  CheckNothingSwallowed(h.machine.developerLog());
  for (tree::NodeId root : all.Roots())
    Check(!all.Node(root).expanded || !all.Node(root).children.empty(), "a group without members was expanded");

  // What is saved restores the same states.
  const std::vector<bool> restored = Expanded(all);
  library.SaveTreeState(kSaved);
  for (tree::NodeId root : all.Roots())
    if (!all.Node(root).children.empty()) all.SetExpanded(root, !all.Node(root).expanded);
  library.RestoreTreeState(kSaved);
  CheckNothingSwallowed(h.machine.developerLog());
  Check(Expanded(all) == restored, "saved tree states restore differently");

  // The lines of a file come back the same once written as a state file
  // (characters beyond 16 bits exist only where wchar_t is wider).
  const std::vector<std::wstring> lines = records::DecodeTextLines(bytes, h.process.Platform().text);
  if (InBmp(lines)) {
    const std::vector<std::wstring> again =
        records::DecodeTextLines(records::EncodeTreeStateLines(lines), h.process.Platform().text);
    Check(again == lines, "decoded lines change when written and read again");
  }
  return 0;
}
