// The handle owner on real handles: each handle is closed once, by the owner
// that holds it last, and never after it has been given up.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/Handles.h"
#include "support/TempFolder.h"

using kalvora::platform::win32::HandleOwner;
using kalvora::platform::win32::OwnedChangeNotification;
using kalvora::platform::win32::OwnedFile;
using kalvora::platform::win32::OwnedHandle;
using kalvora::platform::win32::OwnedKey;

namespace {

// Whether the process still has the kernel handle open.
bool IsOpen(HANDLE handle) {
  DWORD flags = 0;
  return ::GetHandleInformation(handle, &flags) != FALSE;
}

bool IsOpen(HKEY key) {
  DWORD values = 0;
  return ::RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr,
                            nullptr, nullptr) == ERROR_SUCCESS;
}

HANDLE NewEvent() { return ::CreateEventW(nullptr, TRUE, FALSE, nullptr); }

HKEY OpenSoftwareKey() {
  HKEY key = nullptr;
  return ::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, &key) == ERROR_SUCCESS ? key : nullptr;
}

// Counts the closes of each value, to show how many times a handle is closed
// (a real handle closed twice looks the same as one closed once).
struct CountingTraits {
  using Handle = int;
  std::map<int, int>* closes = nullptr;
  static Handle Invalid() noexcept { return 0; }
  void Close(Handle handle) const noexcept { ++(*closes)[handle]; }
};
using CountingOwner = HandleOwner<CountingTraits>;

struct CountingCase {
  const char* name;
  std::function<void(std::map<int, int>& closes)> run;
  // Closes of each value once every owner of the case has gone.
  std::map<int, int> closedAtEnd;
};

}  // namespace

TEST(HandleOwnerTest, ClosesEachHandleExactlyOnceByItsLastOwner) {
  const std::vector<CountingCase> cases = {
      {"going closes", [](auto& c) { CountingOwner owner(1, {&c}); }, {{1, 1}}},
      {"Close, then going, closes once",
       [](auto& c) {
         CountingOwner owner(1, {&c});
         owner.Close();
         EXPECT_EQ(c[1], 1);
         EXPECT_FALSE(owner);
         owner.Close();
       },
       {{1, 1}}},
      {"Detach gives the handle up",
       [](auto& c) {
         CountingOwner owner(1, {&c});
         EXPECT_EQ(owner.Detach(), 1);
         EXPECT_FALSE(owner);
       },
       {}},
      {"Attach closes the handle held before, at once",
       [](auto& c) {
         CountingOwner owner(1, {&c});
         owner.Attach(2);
         EXPECT_EQ(c[1], 1);
         EXPECT_EQ(c.count(2), 0u);
         EXPECT_EQ(owner.Get(), 2);
       },
       {{1, 1}, {2, 1}}},
      {"Attach of the handle held keeps it",
       [](auto& c) {
         CountingOwner owner(1, {&c});
         owner.Attach(1);
         EXPECT_TRUE(c.empty());
         EXPECT_TRUE(owner);
       },
       {{1, 1}}},
      {"a moved-from owner closes nothing",
       [](auto& c) {
         CountingOwner source(1, {&c});
         CountingOwner target(std::move(source));
         EXPECT_FALSE(source);
         EXPECT_EQ(target.Get(), 1);
       },
       {{1, 1}}},
      {"move assignment closes the target's handle and takes the source's",
       [](auto& c) {
         CountingOwner source(1, {&c});
         CountingOwner target(2, {&c});
         target = std::move(source);
         EXPECT_EQ(c[2], 1);
         EXPECT_EQ(c.count(1), 0u);
       },
       {{1, 1}, {2, 1}}},
      {"a moved-from owner can hold a new handle",
       [](auto& c) {
         CountingOwner source(1, {&c});
         CountingOwner target(std::move(source));
         source.Attach(3);
       },
       {{1, 1}, {3, 1}}},
      {"the invalid value is never closed",
       [](auto& c) {
         CountingOwner empty(0, {&c});
         empty.Close();
         empty.Attach(0);
       },
       {}},
  };
  for (const CountingCase& test : cases) {
    SCOPED_TRACE(test.name);
    std::map<int, int> closes;
    test.run(closes);
    EXPECT_EQ(closes, test.closedAtEnd);
  }
}

TEST(HandleOwnerTest, ClosesAnEventOnceAndNeverTheHandleThatReusesItsValue) {
  OwnedHandle later;
  {
    OwnedHandle owner(NewEvent());
    ASSERT_TRUE(owner);
    const HANDLE first = owner.Get();
    EXPECT_TRUE(IsOpen(first));
    owner.Close();
    EXPECT_FALSE(owner);
    EXPECT_FALSE(IsOpen(first));
    // The system hands the freed value out again (Windows and Wine do so at
    // once); a second close by the owner would close this one.
    later.Attach(NewEvent());
  }
  EXPECT_TRUE(IsOpen(later.Get()));

  HANDLE event = nullptr;
  {
    const OwnedHandle owner(NewEvent());
    event = owner.Get();
  }
  EXPECT_FALSE(IsOpen(event));
}

TEST(HandleOwnerTest, DetachedAttachedAndMovedEventsAreClosedByTheirLastOwnerOnly) {
  // Detach: the event outlives the owner that gave it up.
  HANDLE detached = nullptr;
  {
    OwnedHandle owner(NewEvent());
    detached = owner.Detach();
    EXPECT_FALSE(owner);
  }
  ASSERT_TRUE(IsOpen(detached));
  const OwnedHandle taker(detached);

  // Attach: the event held before closes at once, the new one stays.
  OwnedHandle owner(NewEvent());
  const HANDLE first = owner.Get();
  const HANDLE second = NewEvent();
  owner.Attach(second);
  EXPECT_FALSE(IsOpen(first));
  EXPECT_TRUE(IsOpen(second));

  // Move: the moved-from owner leaves the event to the new one.
  OwnedHandle target;
  {
    OwnedHandle source(NewEvent());
    const HANDLE moved = source.Get();
    target = std::move(source);
    EXPECT_FALSE(source);
    EXPECT_EQ(target.Get(), moved);
  }
  EXPECT_TRUE(IsOpen(target.Get()));
  const HANDLE moved = target.Get();
  target.Close();
  EXPECT_FALSE(IsOpen(moved));
  EXPECT_TRUE(IsOpen(taker.Get()));
}

TEST(HandleOwnerTest, RegistryKeyIsClosedByItsLastOwner) {
  HKEY key = nullptr;
  {
    OwnedKey first(OpenSoftwareKey());
    ASSERT_TRUE(first);
    key = first.Get();
    OwnedKey second(first.Detach());
    EXPECT_FALSE(first);
    {
      const OwnedKey moved(std::move(second));
      EXPECT_FALSE(second);
    }
    EXPECT_FALSE(IsOpen(key));
    // Attach closes the key held before.
    OwnedKey reopened(OpenSoftwareKey());
    key = reopened.Get();
    reopened.Attach(OpenSoftwareKey());
    EXPECT_FALSE(IsOpen(key));
    key = reopened.Get();
    EXPECT_TRUE(IsOpen(key));
  }
  EXPECT_FALSE(IsOpen(key));
}

TEST(HandleOwnerTest, KindsThatFailWithInvalidHandleValueHoldNothingThen) {
  TempFolder folder;
  const std::wstring missing = folder / L"missing";

  EXPECT_EQ(OwnedFile().Get(), INVALID_HANDLE_VALUE);
  EXPECT_FALSE(OwnedFile(::CreateFileW(missing.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)));
  EXPECT_FALSE(OwnedChangeNotification(::FindFirstChangeNotificationW(missing.c_str(), FALSE,
                                                                      FILE_NOTIFY_CHANGE_FILE_NAME)));

  HANDLE file = nullptr;
  HANDLE watch = nullptr;
  {
    const OwnedFile created(::CreateFileW((folder / L"file").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
    const OwnedChangeNotification watching(
        ::FindFirstChangeNotificationW(folder.Path().c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME));
    ASSERT_TRUE(created);
    ASSERT_TRUE(watching);
    file = created.Get();
    watch = watching.Get();
    EXPECT_TRUE(IsOpen(file));
    EXPECT_TRUE(IsOpen(watch));
  }
  EXPECT_FALSE(IsOpen(file));
  EXPECT_FALSE(IsOpen(watch));
}
