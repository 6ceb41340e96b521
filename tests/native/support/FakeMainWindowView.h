#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/main/MainWindowView.h"

namespace kalvora::testing {

// Stands in for the Win32 main window: remembers what it was told to show.
class FakeMainWindowView : public app::MainWindowView {
 public:
  struct TimerState {
    unsigned intervalMs = 0;
    bool enabled = false;
    // Simulated time at which the timer fires next.
    std::uint64_t dueMs = 0;
  };

  platform::WindowHandle Handle() override { return 0x5150; }
  void Render(const window::MainWindowLayout& layout) override {
    shown = layout;
    ++renderCount;
  }
  // As Windows' SetTimer: setting a timer id again, running or not,
  // restarts its countdown from now.
  void SetTimer(app::TimerId timer, unsigned intervalMs, bool enabled) override {
    timers[timer] = {intervalMs, enabled, nowMs + (intervalMs == 0 ? 1 : intervalMs)};
    Note("SetTimer");
  }
  app::WindowPlacement GetPlacement() override { return placement; }
  void SetNormalGeometry(const settings::WindowGeometry& geometry) override {
    placement.normal = true;
    placement.geometry = geometry;
    maximized = false;
  }
  void Maximize() override {
    maximized = true;
    placement.normal = false;
  }
  void SetTopmost(bool value) override {
    topmost.push_back(value);
    Note("SetTopmost");
  }
  void Close() override { ++closeCount; }
  void AttachTrees(const std::array<tree::TreeModel*, 4>& models, platform::ImageListHandle images) override {
    trees = models;
    allTreeImages = images;
  }
  void ShowHint(const std::wstring& text) override { hint = text; }

  bool TimerEnabled(app::TimerId timer) const {
    auto it = timers.find(timer);
    return it != timers.end() && it->second.enabled;
  }

  // Lets simulated time pass: every enabled timer whose countdown ends
  // ticks through onTimer, earliest first, and starts its next countdown.
  // A tick may set or stop timers, the ticking one included. Returns the
  // ticks delivered.
  int AdvanceTime(std::uint64_t ms) {
    const std::uint64_t end = nowMs + ms;
    int ticks = 0;
    for (;;) {
      auto next = timers.end();
      for (auto it = timers.begin(); it != timers.end(); ++it)
        if (it->second.enabled && it->second.dueMs <= end && (next == timers.end() || it->second.dueMs < next->second.dueMs))
          next = it;
      if (next == timers.end()) break;
      nowMs = next->second.dueMs;
      const app::TimerId id = next->first;
      next->second.dueMs = nowMs + (next->second.intervalMs == 0 ? 1 : next->second.intervalMs);
      ++ticks;
      ++tickCount[id];
      if (onTimer) onTimer(id);
    }
    nowMs = end;
    return ticks;
  }

  // Receives the ticks of AdvanceTime (the window's OnTimer).
  std::function<void(app::TimerId)> onTimer;
  std::uint64_t nowMs = 0;
  std::map<app::TimerId, int> tickCount;

  // Runs after the view took a call (e.g. "SetTimer"), so a test can look at
  // what the logic had done by then.
  std::function<void(const std::string& call)> onCall;

  window::MainWindowLayout shown;
  int renderCount = 0;
  std::map<app::TimerId, TimerState> timers;
  app::WindowPlacement placement;
  bool maximized = false;
  std::vector<bool> topmost;
  int closeCount = 0;
  std::array<tree::TreeModel*, 4> trees{};
  platform::ImageListHandle allTreeImages = 0;
  std::wstring hint;

 private:
  void Note(const std::string& call) {
    if (onCall) onCall(call);
  }
};

}  // namespace kalvora::testing
