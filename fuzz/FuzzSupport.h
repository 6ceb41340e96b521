#pragma once
// What every harness shares: a finding aborts with a line saying what broke,
// so that libFuzzer reports it and keeps the input.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "common/WideText.h"
#include "platform/sim/SimDeveloperLog.h"
#include "tree/DocumentTree.h"

namespace kalvora::fuzz {

[[noreturn]] inline void Fail(std::string_view what, std::wstring_view detail = {}) {
  std::fprintf(stderr, "\n== finding: %.*s\n", static_cast<int>(what.size()), what.data());
  if (!detail.empty()) std::fprintf(stderr, "   %s\n", text::WideToUtf8(detail).c_str());
  std::fflush(stderr);
  std::abort();
}

inline void Check(bool ok, std::string_view what, std::wstring_view detail = {}) {
  if (!ok) Fail(what, detail);
}

inline std::string Bytes(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// The pieces between separators; an empty input gives one empty piece.
inline std::vector<std::string> Split(std::string_view bytes, char separator) {
  std::vector<std::string> pieces;
  std::size_t start = 0;
  while (true) {
    const std::size_t cut = bytes.find(separator, start);
    pieces.emplace_back(bytes.substr(start, cut == std::string_view::npos ? std::string_view::npos : cut - start));
    if (cut == std::string_view::npos) return pieces;
    start = cut + 1;
  }
}

// The guard swallows failures so that the user never sees them; on the
// simulated machine nothing fails on purpose, so anything swallowed is a
// fault the fuzzer found (an out-of-range index, say).
inline void CheckNothingSwallowed(const platform::sim::SimDeveloperLog& log) {
  if (log.Reports().empty()) return;
  const auto& report = log.Reports().front();
  Fail("a guard swallowed a failure", report.site + L": " + report.what);
}

// Every node of the four trees points at an entry of the table.
inline void CheckDocIndexes(tree::DocumentTree& documents) {
  const tree::DocTable& docs = documents.Docs();
  for (tree::TreeModel* model : {&documents.TVDocs(), &documents.TVApp(), &documents.TVPath(), &documents.TVDoc()}) {
    model->ForEachDepthFirst([&](tree::NodeId node) {
      const tree::TreeNode& n = model->Node(node);
      if (!docs.Valid(n.data.DocIndex))
        Fail("a node's DocIndex is outside the table",
             model->Name() + L": " + n.text + L" #" + std::to_wstring(n.data.DocIndex) + L" of " +
                 std::to_wstring(docs.Size()));
    });
  }
}

}  // namespace kalvora::fuzz
