// One folder refresh over the Recent folder: reading the shortcuts into the
// recent-documents list, then handing the list to a tree of the same size.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "capture/RecentDocuments.h"
#include "platform/sim/SimProcess.h"
#include "tree/DocumentTree.h"
#include "QuietTreeHost.h"

namespace {

using namespace kalvora;
using platform::RegistryRoot;
using platform::sim::RegistryType;

// `count` recent shortcuts: half to folders under a few top folders, half to
// documents of three programs, fifty to a folder.
struct RecentFixture {
  platform::sim::SimMachine machine;
  platform::sim::SimProcess process{machine, {}};
  resolve::Wow64State wow64{process.system()};
  bench::QuietTreeHost host;
  settings::TFrmMySettings settings;
  settings::MainWindowSettings window;
  std::unique_ptr<tree::DocumentTree> tree;
  std::unique_ptr<capture::RecentDocuments> recent;

  explicit RecentFixture(int count) {
    const wchar_t* programs[] = {L"C:\\Program Files\\Editor\\editor.exe", L"C:\\Program Files\\Sheets\\sheets.exe",
                                 L"C:\\Program Files\\Slides\\slides.exe"};
    const wchar_t* extensions[] = {L".txt", L".csv", L".pres"};
    for (int i = 0; i < 3; ++i) {
      machine.files().AddFile(programs[i], "MZ");
      const std::wstring type = std::wstring(extensions[i]).substr(1) + L"file";
      SetClass(extensions[i], type);
      SetClass(type + L"\\shell\\open\\command", L"\"" + std::wstring(programs[i]) + L"\" \"%1\"");
    }
    machine.files().AddDrive(L'D');
    const std::wstring recentFolder = machine.folders().SpecialFolderPath(platform::SpecialFolder::Recent);
    const wchar_t* tops[] = {L"C:\\Projects", L"C:\\Data", L"D:\\Archive"};
    for (int i = 0; i < count; ++i) {
      const std::wstring n = std::to_wstring(i);
      const std::wstring folder = std::wstring(tops[i % 3]) + L"\\Set" + std::to_wstring(i / 100) + L"\\Item" + n;
      std::wstring target = folder;
      if (i % 2 == 0) {
        machine.files().AddFolder(folder);
      } else {
        target = std::wstring(tops[i % 3]) + L"\\Docs" + std::to_wstring(i / 100) + L"\\doc" + n + extensions[i % 3];
        machine.files().AddFile(target, "x");
      }
      machine.links().AddShortcut(recentFolder + L"\\recent" + n + L".lnk", {target});
    }
    settings.tbRecRecentDoc.SetPosition(60);
    Reset();
  }

  // An empty tree.
  void Reset() {
    recent.reset();
    tree = std::make_unique<tree::DocumentTree>(process.Platform(), wow64, L"C:\\Users\\joe\\Documents", host,
                                                std::vector<platform::PresetIcon>(78));
    recent = std::make_unique<capture::RecentDocuments>(process.Platform(), *tree, settings, window);
  }

  void SetClass(const std::wstring& key, const std::wstring& value) {
    machine.registry().SetValue({RegistryRoot::ClassesRoot, key}, L"", RegistryType::String, value);
  }
};

// Reading and resolving every shortcut of the Recent folder.
void BM_RecentCollect(benchmark::State& state) {
  RecentFixture f(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    f.recent->CollectRecentDocuments();
    benchmark::DoNotOptimize(f.tree->RecentDocs().Size());
  }
  state.counters["listed"] = static_cast<double>(f.tree->RecentDocs().Size());
}
BENCHMARK(BM_RecentCollect)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond);

// The steady refresh: the tree already holds every recent item, so each one
// is looked up and nothing is added.
void BM_RecentRecordKnown(benchmark::State& state) {
  RecentFixture f(static_cast<int>(state.range(0)));
  f.recent->CollectRecentDocuments();
  f.recent->RecordRecentFolderItems();
  for (auto _ : state) benchmark::DoNotOptimize(f.recent->RecordRecentFolderItems());
  state.counters["entries"] = static_cast<double>(f.tree->Docs().Size());
}
BENCHMARK(BM_RecentRecordKnown)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond)->Iterations(1);

// The first refresh of a run: every recent item is new to an empty tree.
void BM_RecentRecordNew(benchmark::State& state) {
  RecentFixture f(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    f.Reset();
    f.recent->CollectRecentDocuments();
    state.ResumeTiming();
    benchmark::DoNotOptimize(f.recent->RecordRecentFolderItems());
  }
  state.counters["entries"] = static_cast<double>(f.tree->Docs().Size());
}
BENCHMARK(BM_RecentRecordNew)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
