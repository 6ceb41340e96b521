#include "records/SafeFileWrite.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/sim/SimMachine.h"

namespace kalvora::records {
namespace {

constexpr const wchar_t* kRecord = L"C:\\Records\\Mar 05,2012_001.revisto";

class SafeFileWriteTest : public ::testing::Test {
 protected:
  SafeFileWriteTest() { files.AddFile(kRecord, "old record"); }
  platform::sim::SimMachine machine;
  platform::sim::SimFileSystem& files = machine.files();
};

TEST_F(SafeFileWriteTest, ReplacesTheFileAndLeavesNothingBeside) {
  EXPECT_TRUE(WriteFileSafely(files, kRecord, "new record"));
  EXPECT_EQ(files.ReadFile(kRecord), "new record");
  EXPECT_EQ(files.ListFolder(L"C:\\Records"), std::vector<std::wstring>{L"Mar 05,2012_001.revisto"});
}

TEST_F(SafeFileWriteTest, FailedOrInterruptedWriteKeepsTheOldFile) {
  struct Case {
    const char* name;
    std::function<void(platform::sim::SimFileSystem&)> fault;
  };
  const Case cases[] = {
      {"write refused", [](auto& fs) { fs.FailNextWrite(); }},
      {"disk full in the middle", [](auto& fs) { fs.FailWritesAfter(3); }},
      {"folder read-only", [](auto& fs) { fs.DenyWrites(L"C:\\Records"); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    platform::sim::SimMachine fresh;
    fresh.files().AddFile(kRecord, "old record");
    c.fault(fresh.files());
    EXPECT_FALSE(WriteFileSafely(fresh.files(), kRecord, "new record, longer"));
    EXPECT_EQ(fresh.files().ReadFile(kRecord), "old record");
    fresh.files().ClearWriteFaults();
    fresh.files().AllowWrites(L"C:\\Records");
    EXPECT_EQ(fresh.files().ListFolder(L"C:\\Records"), std::vector<std::wstring>{L"Mar 05,2012_001.revisto"});
  }
}

TEST_F(SafeFileWriteTest, CreatesAFileThatDidNotExist) {
  EXPECT_TRUE(WriteFileSafely(files, L"C:\\Records\\Recent Folders.revisto", "<revistotree/>"));
  EXPECT_EQ(files.ReadFile(L"C:\\Records\\Recent Folders.revisto"), "<revistotree/>");
}

}  // namespace
}  // namespace kalvora::records
