// The largest record the program keeps, 5000 groups of five items, written,
// loaded into the four trees, and twenty of them searched for a word.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <limits>
#include <string>

#include "../tests/shared/RecordFileCases.h"
#include "platform/sim/SimProcess.h"
#include "records/RecordFile.h"
#include "records/TreeStateFile.h"

namespace {

using namespace kalvora;

constexpr const wchar_t* kRecord = L"C:\\Records\\large.revisto";

struct Fixture {
  platform::sim::SimMachine machine;
  platform::sim::SimProcess process{machine, {}};
  resolve::Wow64State wow64{process.system()};
  record_file_cases::CountingHost host;
  tree::DocumentTree documents{process.Platform(), wow64, L"C:\\Users\\joe\\Documents", host,
                               std::vector<platform::PresetIcon>(78)};
  records::RecordFile records{process.Platform(), documents, host, L"C:\\Program Files\\Kalvora\\kalvora.exe"};

  Fixture() {
    machine.files().AddDrive(L'D');
    machine.files().CreateDirectoryTree(L"C:\\Records");
  }
  // Group g of record r: a folder with five documents; one document of
  // every thousandth group carries the word "budget".
  void FillLargeTree(int record = 0) {
    for (int g = 0; g < 5000; ++g) {
      const std::wstring folder = L"D:\\Projekte " + std::to_wstring(record) + L"\\Gruppe " + std::to_wstring(g);
      const tree::NodeId group = record_file_cases::AddAllNode(documents, tree::NoNode, folder, folder, 3, 0, g % 2);
      for (int i = 0; i < 5; ++i) {
        const std::wstring name = (i == 4 && g % 1000 == 0 ? L"Budget " : L"Dokument \u00e4 ") + std::to_wstring(i) +
                                  L".docx";
        record_file_cases::AddAllNode(documents, group, name, folder + L"\\" + name, 2, 12);
      }
    }
  }
};

void ReportPeakMemory(benchmark::State& state) {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_mb"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_WriteLargeRecord(benchmark::State& state) {
  Fixture f;
  f.FillLargeTree();
  for (auto _ : state) benchmark::DoNotOptimize(f.records.WriteRecordFile(kRecord));
  ReportPeakMemory(state);
}
BENCHMARK(BM_WriteLargeRecord)->Unit(benchmark::kMillisecond);

void BM_LoadLargeRecord(benchmark::State& state) {
  Fixture f;
  f.FillLargeTree();
  f.records.WriteRecordFile(kRecord);
  for (auto _ : state) f.records.LoadRecord(kRecord);
  if (f.documents.Docs().Size() != 30000 || f.documents.TVPath().Count() != 30000) state.SkipWithError("not loaded");
  ReportPeakMemory(state);
}
BENCHMARK(BM_LoadLargeRecord)->Unit(benchmark::kMillisecond);

void BM_SearchTwentyLargeRecords(benchmark::State& state) {
  Fixture f;
  std::vector<std::wstring> paths;
  for (int r = 0; r < 20; ++r) {
    f.documents.Clear();
    f.FillLargeTree(r);
    paths.push_back(L"C:\\Records\\large " + std::to_wstring(r) + L".revisto");
    f.records.WriteRecordFile(paths.back());
  }
  for (auto _ : state) {
    state.PauseTiming();
    f.documents.Clear();
    state.ResumeTiming();
    for (const std::wstring& path : paths) f.records.SearchRecordFile(path, L"budget");
  }
  // Five groups of every record have a match.
  if (f.documents.TVDocs().Empty()) state.SkipWithError("nothing found");
  ReportPeakMemory(state);
}
BENCHMARK(BM_SearchTwentyLargeRecords)->Unit(benchmark::kMillisecond);

// The records named by the memory target, each to be run on its own
// (--benchmark_filter) so that peak_rss_mb is its own: 8 MiB of empty
// elements, and 5,000,000 bare top-level items of which 5000 are kept.
void LoadStoredBytes(benchmark::State& state, const std::string& bytes) {
  Fixture f;
  f.machine.files().AddFile(kRecord, bytes);
  for (auto _ : state) benchmark::DoNotOptimize(f.records.LoadRecord(kRecord));
  state.counters["file_mb"] = static_cast<double>(bytes.size()) / (1024.0 * 1024.0);
  state.counters["entries_kept"] = static_cast<double>(f.documents.Docs().Size());
  ReportPeakMemory(state);
}

void BM_LoadEightMebibytesOfEmptyElements(benchmark::State& state) {
  std::string bytes = "<revistotree>";
  while (bytes.size() < (std::size_t{8} << 20)) bytes += "<e/>";
  LoadStoredBytes(state, bytes + "</revistotree>");
}
BENCHMARK(BM_LoadEightMebibytesOfEmptyElements)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_LoadFiveMillionBareTopLevelItems(benchmark::State& state) {
  std::string bytes = "<revistotree>";
  const std::string item = "<item text=\"t\" path=\"C:\\p\" imageIndex=\"0\" docType=\"3\" extand=\"-1\"/>";
  for (int i = 0; i < 5000; ++i) bytes += item;
  for (int i = 5000; i < 5000000; ++i) bytes += "<i/>";
  LoadStoredBytes(state, bytes + "</revistotree>");
}
BENCHMARK(BM_LoadFiveMillionBareTopLevelItems)->Unit(benchmark::kMillisecond)->Iterations(1);

// A tree-state file of 8 MiB of line ends: read as the window restores at
// most 5000 groups, and for comparison read whole.
void BM_TreeStateOfEightMebibytesOfLineEnds(benchmark::State& state) {
  platform::sim::SimMachine machine;
  platform::sim::SimProcess process{machine, {}};
  const std::string bytes(std::size_t{8} << 20, '\n');
  const std::size_t limit = state.range(0) ? 5000 : std::numeric_limits<std::size_t>::max();
  std::size_t lines = 0;
  for (auto _ : state) lines = records::DecodeTextLines(bytes, process.Platform().text, limit).size();
  state.counters["lines_kept"] = static_cast<double>(lines);
  ReportPeakMemory(state);
}
BENCHMARK(BM_TreeStateOfEightMebibytesOfLineEnds)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
