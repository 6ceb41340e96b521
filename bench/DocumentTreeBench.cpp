// Inserting a realistic mix of items into an empty tree, and the lookups
// that run against a full one.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/sim/SimProcess.h"
#include "tree/DocumentTree.h"
#include "QuietTreeHost.h"

namespace {

using namespace kalvora;
using platform::RegistryKey;
using platform::RegistryRoot;
using platform::sim::RegistryType;

struct Fixture {
  platform::sim::SimMachine machine;
  platform::sim::SimProcess process{machine, {}};
  resolve::Wow64State wow64{process.system()};
  bench::QuietTreeHost host;
  std::vector<std::wstring> items;

  explicit Fixture(int count) {
    machine.files().AddFile(L"C:\\Program Files\\Editor\\editor.exe", "MZ");
    machine.files().AddFile(L"C:\\Program Files\\Sheets\\sheets.exe", "MZ");
    machine.files().AddFile(L"C:\\Program Files\\Slides\\slides.exe", "MZ");
    SetClass(L".txt", L"txtfile");
    SetClass(L"txtfile\\shell\\open\\command", L"\"C:\\Program Files\\Editor\\editor.exe\" \"%1\"");
    SetClass(L".csv", L"csvfile");
    SetClass(L"csvfile\\shell\\open\\command", L"\"C:\\Program Files\\Sheets\\sheets.exe\" \"%1\"");
    SetClass(L".pres", L"presfile");
    SetClass(L"presfile\\shell\\open\\command", L"\"C:\\Program Files\\Slides\\slides.exe\" \"%1\"");

    // Half folders under a few top folders, a third documents of three
    // programs, the rest web pages of a few dozen hosts.
    const wchar_t* tops[] = {L"C:\\Projects", L"C:\\Data", L"D:\\Archive", L"C:\\Users\\joe\\Documents"};
    const wchar_t* extensions[] = {L".txt", L".csv", L".pres"};
    machine.files().AddDrive(L'D');
    for (int i = 0; i < count; ++i) {
      std::wstring n = std::to_wstring(i);
      if (i % 6 < 3) {
        std::wstring folder = std::wstring(tops[i % 4]) + L"\\area" + std::to_wstring(i % 37) + L"\\item" + n;
        machine.files().CreateDirectoryTree(folder);
        items.push_back(folder);
      } else if (i % 6 < 5) {
        std::wstring file = L"C:\\Work\\notes" + std::to_wstring(i % 11) + L"\\doc" + n + extensions[i % 3];
        machine.files().AddFile(file, "x");
        items.push_back(file);
      } else {
        items.push_back(L"http://host" + std::to_wstring(i % 40) + L".example/page" + n + L".html");
      }
    }
  }

  void SetClass(const std::wstring& key, const std::wstring& value) {
    machine.registry().SetValue(RegistryKey{RegistryRoot::LocalMachine, L"Software\\Classes\\" + key}, L"",
                                RegistryType::String, value);
  }

  std::unique_ptr<tree::DocumentTree> NewTree() {
    std::vector<platform::PresetIcon> presets(78);
    return std::make_unique<tree::DocumentTree>(process.Platform(), wow64, L"C:\\Users\\joe\\Documents", host,
                                                presets);
  }
};

void BM_AddItemsToEmptyTree(benchmark::State& state) {
  Fixture fixture(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    auto tree = fixture.NewTree();
    state.ResumeTiming();
    for (const auto& item : fixture.items) tree->AddItem(item, L"");
    benchmark::DoNotOptimize(tree->Docs().Size());
  }
  state.SetComplexityN(state.range(0));
  state.counters["items"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_AddItemsToEmptyTree)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond)->Complexity();

void BM_LookupsInFullTree(benchmark::State& state, bool recentDocCheck) {
  Fixture fixture(5000);
  auto tree = fixture.NewTree();
  for (const auto& item : fixture.items) tree->AddItem(item, L"");
  const std::wstring missing = L"C:\\Nowhere\\at\\all.txt";
  for (auto _ : state) {
    bool found = recentDocCheck ? tree->CheckIfRecentDocInTreeNode(missing) : tree->ItemInTree(missing, L"");
    benchmark::DoNotOptimize(found);
  }
  state.counters["nodes"] = static_cast<double>(tree->TVDocs().Count());
}
BENCHMARK_CAPTURE(BM_LookupsInFullTree, CheckIfRecentDocInTreeNode, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LookupsInFullTree, ItemInTree, false)->Unit(benchmark::kMillisecond);

}  // namespace
