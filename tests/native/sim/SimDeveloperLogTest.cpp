#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "common/Guarded.h"
#include "platform/sim/SimMachine.h"
#include "support/DeveloperReports.h"

namespace kalvora::platform::sim {
namespace {

void FailingStep() {
  Guarded(L"Test.Step", [] { throw std::runtime_error("step failed"); });
}

TEST(SimDeveloperLog, EachMachineKeepsItsOwnReportsFromAnEmptyStart) {
  {
    SimMachine first;
    EXPECT_TRUE(first.developerLog().Reports().empty());
    FailingStep();
    EXPECT_EQ(first.developerLog().Reports(), (std::vector<DeveloperReport>{{L"Test.Step", L"step failed"}}));
    first.developerLog().Clear();
    EXPECT_TRUE(first.developerLog().Reports().empty());
    FailingStep();
    EXPECT_EQ(first.developerLog().Reports().size(), 1u);
  }
  SimMachine second;
  EXPECT_TRUE(second.developerLog().Reports().empty()) << "nothing carries over from an earlier machine";
  FailingStep();
  EXPECT_EQ(second.developerLog().Reports().size(), 1u);
}

TEST(SimDeveloperLog, AMachineGoneLeavesNoSinkBehind) {
  DeveloperSink* const before = InstallDeveloperSink(nullptr);
  InstallDeveloperSink(before);
  { SimMachine machine; }
  EXPECT_EQ(InstallDeveloperSink(before), before);
}

}  // namespace
}  // namespace kalvora::platform::sim
