#pragma once
#include <string>

#include "tree/DocumentTree.h"

namespace kalvora::bench {

// A main window that shows nothing, so that only the tree work is timed.
class QuietTreeHost : public tree::DocumentTreeHost {
 public:
  void ShowWebPageTab() override {}
  void ShowHint(const std::wstring&) override {}
  void AdvanceGauge() override {}
  void PumpMessages() override {}
  void TraceChanged() override {}
};

}  // namespace kalvora::bench
