#include "app/entry/InstanceSlot.h"

#include <gtest/gtest.h>

#include "platform/sim/SimMachine.h"
#include "platform/sim/SimProcess.h"

namespace kalvora::app {
namespace {

using platform::sim::SimMachine;
using platform::sim::SimProcess;

// Two starts of the program on one machine.
class InstanceSlotTwoStarts : public ::testing::Test {
 protected:
  SimMachine machine;
  SimProcess first{machine}, second{machine};
  platform::Platform p1 = first.Platform();
  platform::Platform p2 = second.Platform();
};

TEST(InstanceSlot, NameDropsEveryBackslash) {
  EXPECT_EQ(InstanceSlot::SlotName(L"C:\\Tools\\kalvora.exe"), L"c:toolskalvora.exe");
  EXPECT_EQ(InstanceSlot::SlotName(L"C:\\TOOLS\\Kalvora.EXE"), InstanceSlot::SlotName(L"c:\\tools\\kalvora.exe"));
  EXPECT_EQ(InstanceSlot::SlotName(L"\\\\server\\share\\k.exe"), L"serversharek.exe");
}

TEST_F(InstanceSlotTwoStarts, SecondStartOfTheSameFileFindsTheFirstAndBringsItForward) {
  const std::wstring program = L"C:\\Tools\\kalvora.exe";

  InstanceSlot slot1(p1.sharedMemory, p1.windows);
  ASSERT_FALSE(slot1.TakeInstanceSlot(program, 0, 1));
  const auto window = machine.windows().AddWindow(L"TRevistoWindow", L"Kalvora 2.1", /*iconic=*/true);
  slot1.SetOwnerWindow(window);

  InstanceSlot slot2(p2.sharedMemory, p2.windows);
  EXPECT_TRUE(slot2.TakeInstanceSlot(program, 0, 1));
  EXPECT_FALSE(machine.windows().Window(window)->iconic) << "a minimised first window is restored";
  EXPECT_EQ(machine.ForegroundWindow(), window);

  // The second start gives nothing back: the first still holds the only slot.
  slot2.ReleaseInstanceSlot();
  InstanceSlot slot3(p2.sharedMemory, p2.windows);
  EXPECT_TRUE(slot3.TakeInstanceSlot(program, 0, 1));
}

TEST_F(InstanceSlotTwoStarts, CopiesInOtherFoldersRunTheirOwnInstance) {
  InstanceSlot slot1(p1.sharedMemory, p1.windows), slot2(p2.sharedMemory, p2.windows);
  EXPECT_FALSE(slot1.TakeInstanceSlot(L"C:\\Tools\\kalvora.exe", 0, 1));
  EXPECT_FALSE(slot2.TakeInstanceSlot(L"D:\\Other\\kalvora.exe", 0, 1));
}

TEST_F(InstanceSlotTwoStarts, AfterTheFirstEndsTheNextStartRuns) {
  const std::wstring program = L"C:\\Tools\\kalvora.exe";
  {
    InstanceSlot slot1(p1.sharedMemory, p1.windows);
    ASSERT_FALSE(slot1.TakeInstanceSlot(program, 0, 1));
  }
  InstanceSlot slot2(p2.sharedMemory, p2.windows);
  EXPECT_FALSE(slot2.TakeInstanceSlot(program, 0, 1));
}

TEST_F(InstanceSlotTwoStarts, FailuresOfTheSharedBlock) {
  const std::wstring program = L"C:\\Tools\\kalvora.exe";

  InstanceSlot slot1(p1.sharedMemory, p1.windows);
  ASSERT_FALSE(slot1.TakeInstanceSlot(program, 0, 1));
  // A block that exists but cannot be opened counts as another instance.
  machine.sharedMemory().FailOpen(InstanceSlot::SlotName(program));
  InstanceSlot slot2(p2.sharedMemory, p2.windows);
  EXPECT_TRUE(slot2.TakeInstanceSlot(program, 0, 1));

  // A block that cannot be created stops the start with the system's error.
  SimMachine other;
  SimProcess lone(other);
  auto p3 = lone.Platform();
  other.sharedMemory().FailCreate(5);
  InstanceSlot slot3(p3.sharedMemory, p3.windows);
  EXPECT_THROW(slot3.TakeInstanceSlot(program, 0, 1), platform::SystemError);
}

}  // namespace
}  // namespace kalvora::app
