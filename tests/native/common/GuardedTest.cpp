#include "common/Guarded.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "common/DeveloperLog.h"
#include "common/WideText.h"
#include "platform/sim/SimDeveloperLog.h"
#include "support/DeveloperReports.h"

namespace kalvora {
namespace {

using platform::sim::DeveloperReport;
using platform::sim::SimDeveloperLog;

struct NotAnException {};

// Each way a step can fail, and what the developer is told about it.
struct Failure {
  const char* name;
  void (*throwIt)();
  std::wstring what;
};
const Failure kFailures[] = {
    {"runtime error", [] { throw std::runtime_error("disk on fire"); }, L"disk on fire"},
    {"UTF-8 message", [] { throw std::logic_error("Gr\xC3\xBC\xC3\x9F" "e"); }, L"Gr\u00FC\u00DFe"},
    {"empty message", [] { throw std::runtime_error(""); }, L""},
    {"an int", [] { throw 42; }, L"unknown exception"},
    {"a plain struct", [] { throw NotAnException{}; }, L"unknown exception"},
};

class GuardedTest : public ::testing::Test {
 protected:
  SimDeveloperLog log;
  ScopedDeveloperSink installed{log};
};

TEST_F(GuardedTest, AFailedStepIsReportedWithItsSiteAndWhatWasThrown) {
  for (const Failure& f : kFailures) {
    SCOPED_TRACE(f.name);
    log.Clear();
    Guarded(L"Records.Load", [&] { f.throwIt(); });
    EXPECT_EQ(log.Reports(), (std::vector<DeveloperReport>{{L"Records.Load", f.what}}));

    log.Clear();
    EXPECT_EQ(GuardedOr(L"Records.Count", -1, [&] {
                f.throwIt();
                return 7;
              }),
              -1);
    EXPECT_EQ(log.Reports(), (std::vector<DeveloperReport>{{L"Records.Count", f.what}}));
  }
}

TEST_F(GuardedTest, ASucceedingStepGivesItsResultAndReportsNothing) {
  bool ran = false;
  Guarded(L"Step.Runs", [&] { ran = true; });
  EXPECT_TRUE(ran);
  EXPECT_EQ(GuardedOr(L"Step.Answers", std::wstring(L"fallback"), [] { return std::wstring(L"answer"); }), L"answer");
  EXPECT_TRUE(log.Reports().empty());
}

TEST_F(GuardedTest, TheStepAfterAFailedOneStillRunsAndOnlyTheFailureIsReported) {
  std::vector<int> ran;
  Guarded(L"Start.First", [&] {
    ran.push_back(1);
    throw std::runtime_error("first failed");
  });
  Guarded(L"Start.Second", [&] { ran.push_back(2); });
  Guarded(L"Start.Third", [&] { throw 3; });
  EXPECT_EQ(ran, (std::vector<int>{1, 2}));
  EXPECT_EQ(log.Reports(), (std::vector<DeveloperReport>{{L"Start.First", L"first failed"},
                                                         {L"Start.Third", L"unknown exception"}}));
}

TEST_F(GuardedTest, NothingEscapesTheGuardSoWindowProceduresMayUseIt) {
  static_assert(noexcept(Guarded(L"Proc", [] { throw 1; })));
  static_assert(noexcept(GuardedOr(L"Proc", 0, []() -> int { throw 1; })));
  // A sink that fails itself must not turn a handled failure into a crash.
  struct FailingSink final : DeveloperSink {
    void Report(std::wstring_view, std::wstring_view) override { throw std::runtime_error("sink broke"); }
  } failing;
  ScopedDeveloperSink broken{failing};
  EXPECT_EQ(GuardedOr(L"Proc", 5, []() -> int { throw std::runtime_error("step broke"); }), 5);
}

TEST_F(GuardedTest, AnInstalledSinkServesUntilItGoesAndThenThePreviousOneAgain) {
  {
    SimDeveloperLog inner;
    ScopedDeveloperSink innerInstalled{inner};
    ReportToDeveloper(L"Inner.Site", L"while inner");
    EXPECT_EQ(inner.Reports(), (std::vector<DeveloperReport>{{L"Inner.Site", L"while inner"}}));
  }
  ReportToDeveloper(L"Outer.Site", L"after inner");
  EXPECT_EQ(log.Reports(), (std::vector<DeveloperReport>{{L"Outer.Site", L"after inner"}}));

  // Without any sink a report is dropped, quietly.
  DeveloperSink* const previous = InstallDeveloperSink(nullptr);
  EXPECT_EQ(previous, &log);
  Guarded(L"Nobody.Listens", [] { throw std::runtime_error("lost"); });
  InstallDeveloperSink(previous);
  EXPECT_EQ(log.Reports().size(), 1u);
}

TEST_F(GuardedTest, AHandlerThatKeepsItsOwnOutcomeStillReportsWhatItCaught) {
  // Used where a catch turns a failure into its own answer, as at the entry.
  for (const Failure& f : kFailures) {
    SCOPED_TRACE(f.name);
    log.Clear();
    try {
      f.throwIt();
    } catch (...) {
      ReportCaughtException(L"Entry.Start");
    }
    EXPECT_EQ(log.Reports(), (std::vector<DeveloperReport>{{L"Entry.Start", f.what}}));
  }
}

TEST(DeveloperLine, IsOneLineNamingTheProductTheSiteAndWhatHappened) {
  EXPECT_EQ(DeveloperLine(L"RecordFile.LoadRecord", L"disk on fire"), L"Kalvora: RecordFile.LoadRecord: disk on fire\n");
  EXPECT_EQ(DeveloperLine(L"Entry", L""), L"Kalvora: Entry: \n");
}

}  // namespace
}  // namespace kalvora
