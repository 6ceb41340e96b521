#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "common/DeveloperLog.h"

namespace kalvora::platform::sim {

struct DeveloperReport {
  std::wstring site;
  std::wstring what;
  bool operator==(const DeveloperReport&) const = default;
};

// The simulated machine's debug output: every report, in order, for a test
// to read.
class SimDeveloperLog final : public DeveloperSink {
 public:
  void Report(std::wstring_view site, std::wstring_view what) override {
    reports_.push_back(DeveloperReport{std::wstring(site), std::wstring(what)});
  }
  const std::vector<DeveloperReport>& Reports() const { return reports_; }
  void Clear() { reports_.clear(); }

 private:
  std::vector<DeveloperReport> reports_;
};

}  // namespace kalvora::platform::sim
