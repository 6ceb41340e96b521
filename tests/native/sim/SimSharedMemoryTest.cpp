#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "platform/sim/SimProcess.h"

namespace kalvora::platform::sim {
namespace {

const std::wstring kName = L"C:Program FilesKalvorakalvora.exe";

TEST(SimSharedMemory, TwoProcessesShareOneZeroFilledBlock) {
  SimMachine machine;
  SimProcess first(machine);
  SimProcess second(machine);

  auto a = first.Platform().sharedMemory.CreateNamed(kName, 8);
  ASSERT_TRUE(a.block);
  EXPECT_FALSE(a.existedBefore);
  auto* words = static_cast<std::int32_t*>(a.block->Data());
  EXPECT_EQ(words[0], 0);
  EXPECT_EQ(words[1], 0);
  words[0] = 0x10040;
  words[1] = 1;

  auto b = second.Platform().sharedMemory.CreateNamed(kName, 8);
  EXPECT_TRUE(b.existedBefore);
  auto opened = second.Platform().sharedMemory.OpenNamed(kName, 8);
  ASSERT_TRUE(opened);
  auto* seen = static_cast<std::int32_t*>(opened->Data());
  EXPECT_EQ(seen[0], 0x10040);
  EXPECT_EQ(seen[1], 1);
  seen[1] = 2;
  EXPECT_EQ(words[1], 2) << "a write through one view shows in the other";
}

TEST(SimSharedMemory, BlockVanishesWithItsLastView) {
  SimMachine machine;
  SimProcess first(machine);
  SimProcess second(machine);
  auto a = first.Platform().sharedMemory.CreateNamed(kName, 8);
  static_cast<char*>(a.block->Data())[0] = 'x';
  auto b = second.Platform().sharedMemory.OpenNamed(kName, 8);
  EXPECT_EQ(machine.sharedMemory().ViewCount(kName), 2);

  a.block.reset();
  EXPECT_TRUE(machine.sharedMemory().Exists(kName)) << "the second view keeps it";
  b.reset();
  EXPECT_FALSE(machine.sharedMemory().Exists(kName));
  EXPECT_EQ(second.Platform().sharedMemory.OpenNamed(kName, 8), nullptr);

  auto again = second.Platform().sharedMemory.CreateNamed(kName, 8);
  EXPECT_FALSE(again.existedBefore);
  EXPECT_EQ(static_cast<char*>(again.block->Data())[0], 0) << "a new block starts zeroed";
}

TEST(SimSharedMemory, NamesFollowTheObjectNamespace) {
  SimMachine machine;
  auto& shm = machine.sharedMemory();
  auto a = shm.CreateNamed(L"Slot", 8);
  EXPECT_FALSE(shm.CreateNamed(L"slot", 8).existedBefore) << "names are case-sensitive";
  EXPECT_TRUE(shm.CreateNamed(L"Local\\Slot", 8).existedBefore);
  EXPECT_EQ(shm.OpenNamed(L"SLOT", 8), nullptr);
}

TEST(SimSharedMemory, RefusalsRaiseTheSystemError) {
  SimMachine machine;
  auto& shm = machine.sharedMemory();
  struct Case {
    std::wstring name;
    std::size_t size;
    unsigned long code;
  };
  for (const Case& c : {Case{L"C:\\Tools\\kalvora.exe", 8, 3}, Case{L"zero", 0, 87}}) {
    try {
      shm.CreateNamed(c.name, c.size);
      ADD_FAILURE() << "no error for size " << c.size;
    } catch (const SystemError& e) {
      EXPECT_EQ(e.Code(), c.code);
      EXPECT_STRNE(e.what(), "");
    }
  }
  shm.FailCreate(5);
  EXPECT_THROW(shm.CreateNamed(kName, 8), SystemError);
  EXPECT_FALSE(shm.Exists(kName));
  shm.FailCreate(std::nullopt);
  EXPECT_NO_THROW(shm.CreateNamed(kName, 8));
}

TEST(SimSharedMemory, ViewsNeverReachPastTheBlock) {
  SimMachine machine;
  auto& shm = machine.sharedMemory();
  auto small = shm.CreateNamed(kName, 8);
  // The block holds a whole page, as on Windows.
  EXPECT_NE(shm.OpenNamed(kName, 4096), nullptr);
  EXPECT_EQ(shm.OpenNamed(kName, 4097), nullptr);
  EXPECT_THROW(shm.CreateNamed(kName, 8192), SystemError);
}

TEST(SimSharedMemory, OpenCanBeMadeToFailForOneName) {
  SimMachine machine;
  SimProcess first(machine);
  SimProcess second(machine);
  auto a = first.Platform().sharedMemory.CreateNamed(kName, 8);
  auto other = first.Platform().sharedMemory.CreateNamed(L"other", 8);
  machine.sharedMemory().FailOpen(kName);
  EXPECT_TRUE(second.Platform().sharedMemory.CreateNamed(kName, 8).existedBefore);
  EXPECT_EQ(second.Platform().sharedMemory.OpenNamed(kName, 8), nullptr);
  EXPECT_NE(second.Platform().sharedMemory.OpenNamed(L"other", 8), nullptr);
  machine.sharedMemory().FailOpen(kName, false);
  EXPECT_NE(second.Platform().sharedMemory.OpenNamed(kName, 8), nullptr);
}

}  // namespace
}  // namespace kalvora::platform::sim
