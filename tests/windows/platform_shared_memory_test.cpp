// Named shared memory on the real system.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <cwctype>
#include <string>

#include "platform/win32/Win32SharedMemory.h"

using kalvora::platform::SystemError;
using kalvora::platform::win32::Win32SharedMemory;

namespace {

// Names shaped like the program's own (a path without its backslashes),
// unique per test and process so that runs never see each other's blocks.
std::wstring UniqueName(const wchar_t* what) {
  static unsigned counter = 0;
  return std::wstring(L"C:Toolskalvora-test-") + what + L"-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
         std::to_wstring(++counter) + L".exe";
}

constexpr std::size_t kSize = 64;

}  // namespace

TEST(Win32SharedMemoryTest, SecondCreateFindsTheFirstBlockAndItsBytes) {
  Win32SharedMemory memory;
  const std::wstring name = UniqueName(L"twice");
  auto first = memory.CreateNamed(name, kSize);
  ASSERT_NE(first.block, nullptr);
  EXPECT_FALSE(first.existedBefore);
  auto* firstBytes = static_cast<unsigned char*>(first.block->Data());
  for (std::size_t i = 0; i < kSize; ++i) EXPECT_EQ(firstBytes[i], 0u) << "a new block is zero-filled";
  std::memcpy(firstBytes, "hello", 6);

  auto second = memory.CreateNamed(name, kSize);
  ASSERT_NE(second.block, nullptr);
  EXPECT_TRUE(second.existedBefore);
  EXPECT_NE(second.block->Data(), first.block->Data());  // a view of its own
  EXPECT_STREQ(static_cast<const char*>(second.block->Data()), "hello");

  // Writes through either view are seen through the other.
  std::memcpy(second.block->Data(), "world", 6);
  EXPECT_STREQ(static_cast<const char*>(first.block->Data()), "world");
}

TEST(Win32SharedMemoryTest, OpenFindsOnlyExistingBlocks) {
  Win32SharedMemory memory;
  EXPECT_EQ(memory.OpenNamed(UniqueName(L"never-made"), kSize), nullptr);

  const std::wstring name = UniqueName(L"open");
  auto created = memory.CreateNamed(name, kSize);
  std::memcpy(created.block->Data(), "shared", 7);
  auto opened = memory.OpenNamed(name, kSize);
  ASSERT_NE(opened, nullptr);
  EXPECT_STREQ(static_cast<const char*>(opened->Data()), "shared");
  // Names are case-sensitive.
  std::wstring upper = name;
  for (auto& c : upper) c = static_cast<wchar_t>(::towupper(c));
  EXPECT_EQ(memory.OpenNamed(upper, kSize), nullptr);
}

TEST(Win32SharedMemoryTest, BlockVanishesWhenTheLastViewGoes) {
  Win32SharedMemory memory;
  const std::wstring name = UniqueName(L"vanish");
  auto created = memory.CreateNamed(name, kSize);
  std::memcpy(created.block->Data(), "old", 4);
  auto opened = memory.OpenNamed(name, kSize);
  ASSERT_NE(opened, nullptr);

  created.block.reset();
  // One view is left: the block lives on.
  EXPECT_STREQ(static_cast<const char*>(opened->Data()), "old");
  EXPECT_NE(memory.OpenNamed(name, kSize), nullptr);

  opened.reset();
  EXPECT_EQ(memory.OpenNamed(name, kSize), nullptr);
  auto again = memory.CreateNamed(name, kSize);
  EXPECT_FALSE(again.existedBefore);
  EXPECT_EQ(static_cast<const unsigned char*>(again.block->Data())[0], 0u);
}

TEST(Win32SharedMemoryTest, RefusedCreateThrowsTheSystemsError) {
  Win32SharedMemory memory;
  struct Case {
    std::wstring name;
    std::size_t size;
    unsigned long code;
  };
  const Case cases[] = {
      {UniqueName(L"zero"), 0, ERROR_INVALID_PARAMETER},                   // a block needs a size
      {L"Nested\\" + UniqueName(L"slash"), kSize, ERROR_PATH_NOT_FOUND},  // no such namespace
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name.begin(), c.name.end()));
    try {
      memory.CreateNamed(c.name, c.size);
      ADD_FAILURE() << "no SystemError";
    } catch (const SystemError& error) {
      EXPECT_EQ(error.Code(), c.code);
      EXPECT_GT(std::strlen(error.what()), 0u);
      EXPECT_EQ(std::string(error.what()).find('\n'), std::string::npos);
    }
  }
}
