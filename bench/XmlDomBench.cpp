// Writing and reading the largest record the program keeps: 5000 groups of
// five items, 30000 elements.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/sim/LibXmlDom.h"

namespace {

using kalvora::platform::XmlElement;

XmlElement LargeRecord() {
  XmlElement root{L"revistotree", {{L"app", L"C:\\Program Files\\Kalvora\\kalvora.exe"}}, {}};
  const auto item = [](const std::wstring& text, const std::wstring& path, const wchar_t* docType) {
    return XmlElement{L"item",
                      {{L"text", text},
                       {L"path", path},
                       {L"imageIndex", L"12"},
                       {L"stateIndex", L"-1"},
                       {L"docType", docType},
                       {L"extand", L"-1"}},
                      {}};
  };
  for (int g = 0; g < 5000; ++g) {
    const std::wstring folder = L"D:\\Projekte\\Gruppe " + std::to_wstring(g);
    XmlElement group = item(folder, folder, L"3");
    for (int i = 0; i < 5; ++i) {
      const std::wstring name = L"Dokument \u00e4 " + std::to_wstring(i) + L".docx";
      group.children.push_back(item(name, folder + L"\\" + name, L"2"));
    }
    root.children.push_back(std::move(group));
  }
  return root;
}

void BM_SerializeLargeRecord(benchmark::State& state) {
  kalvora::platform::sim::LibXmlDom dom;
  const XmlElement record = LargeRecord();
  for (auto _ : state) benchmark::DoNotOptimize(dom.Serialize(record));
}
BENCHMARK(BM_SerializeLargeRecord)->Unit(benchmark::kMillisecond);

void BM_ParseLargeRecord(benchmark::State& state) {
  kalvora::platform::sim::LibXmlDom dom;
  const std::string bytes = *dom.Serialize(LargeRecord());
  for (auto _ : state) benchmark::DoNotOptimize(dom.Parse(bytes));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ParseLargeRecord)->Unit(benchmark::kMillisecond);

}  // namespace
