// Folder listings with attributes and times, and registry value enumeration,
// as the real system gives them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sim/SimMachine.h"

namespace kalvora::platform::sim {
namespace {

std::vector<std::wstring> Names(const std::vector<DirectoryEntry>& entries) {
  std::vector<std::wstring> names;
  for (const auto& e : entries) names.push_back(e.name);
  return names;
}

class SimListing : public ::testing::Test {
 protected:
  SimListing() {
    fs.AddFile(L"C:\\d\\b.TXT", "12345");
    fs.AddFile(L"C:\\d\\_under.txt", "");
    fs.AddFile(L"C:\\d\\A.exe", "");
    fs.AddFile(L"C:\\d\\README", "");
    fs.AddFolder(L"C:\\d\\Sub");
    fs.AddFile(L"C:\\d\\Sub\\deep.txt", "");
  }
  SimFileSystem fs;
};

TEST_F(SimListing, ListsDotsFirstThenNamesInUpperCaseOrder) {
  // Upper-case order puts "_" (0x5F) after the letters, lower-case order would not.
  EXPECT_EQ(Names(fs.FindFiles(L"C:\\d\\*.*")),
            (std::vector<std::wstring>{L".", L"..", L"A.exe", L"b.TXT", L"README", L"Sub", L"_under.txt"}));
  // The root of a drive has no "." and "..".
  EXPECT_EQ(Names(fs.FindFiles(L"C:\\*")), std::vector<std::wstring>{L"d"});
}

TEST_F(SimListing, MasksFollowTheSystemsRules) {
  struct Case {
    std::wstring pattern;
    std::vector<std::wstring> names;
  };
  const Case cases[] = {
      {L"C:\\d\\*", {L".", L"..", L"A.exe", L"b.TXT", L"README", L"Sub", L"_under.txt"}},
      {L"C:\\d\\*.txt", {L"b.TXT", L"_under.txt"}},
      {L"c:\\D\\?.EXE", {L"A.exe"}},
      {L"C:\\d\\readme.*", {L"README"}},  // "name.*" matches a name without a dot
      {L"C:\\d\\sub", {L"Sub"}},          // no wildcard: the entry itself
      {L"C:\\d\\", {}},                   // no mask at all
      {L"C:\\d\\*.none", {}},
      {L"C:\\missing\\*.*", {}},
      {L"C:\\d\\b.TXT\\*.*", {}},         // a file is no folder
      {L"*.*", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.pattern.begin(), c.pattern.end()));
    EXPECT_EQ(Names(fs.FindFiles(c.pattern)), c.names);
  }
}

TEST_F(SimListing, EntriesCarryAttributesSizeAndTime) {
  fs.SetAttributes(L"C:\\d\\A.exe", FileAttributeHidden | FileAttributeSystem);
  fs.SetAttributes(L"C:\\d\\README", 0);
  fs.SetAttributes(L"C:\\d\\Sub", FileAttributeReadOnly);
  fs.SetLastWriteTime(L"C:\\d\\b.txt", 0x01D0000012345678ULL);
  const auto entries = fs.FindFiles(L"C:\\d\\*.*");
  auto find = [&](const std::wstring& name) {
    for (const auto& e : entries)
      if (e.name == name) return e;
    ADD_FAILURE() << "missing entry";
    return DirectoryEntry{};
  };
  EXPECT_EQ(find(L"A.exe").attributes, FileAttributeHidden | FileAttributeSystem);
  EXPECT_EQ(find(L"README").attributes, FileAttributeNormal);  // a file with no bits set
  EXPECT_EQ(find(L"Sub").attributes, FileAttributeReadOnly | FileAttributeDirectory);
  EXPECT_EQ(find(L".").attributes, FileAttributeDirectory);
  EXPECT_EQ(find(L"_under.txt").attributes, FileAttributeArchive);  // new files are archive
  EXPECT_EQ(find(L"b.TXT").size, 5u);
  EXPECT_EQ(find(L"b.TXT").lastWriteTime, 0x01D0000012345678ULL);
  EXPECT_THROW(fs.SetAttributes(L"C:\\d\\missing", FileAttributeHidden), std::logic_error);
}

TEST_F(SimListing, ProtectedFilesRefuseWritesAsOnTheRealDisk) {
  fs.AddFile(L"C:\\d\\ro.txt", "keep");
  fs.AddFile(L"C:\\d\\hidden.txt", "keep");
  fs.AddFile(L"C:\\d\\new.txt", "new");
  fs.SetAttributes(L"C:\\d\\ro.txt", FileAttributeReadOnly);
  fs.SetAttributes(L"C:\\d\\hidden.txt", FileAttributeHidden);
  EXPECT_FALSE(fs.WriteFile(L"C:\\d\\ro.txt", "x"));
  EXPECT_FALSE(fs.WriteFile(L"C:\\d\\hidden.txt", "x"));
  EXPECT_FALSE(fs.RemoveFile(L"C:\\d\\ro.txt"));
  EXPECT_FALSE(fs.MoveFileOver(L"C:\\d\\new.txt", L"C:\\d\\ro.txt"));
  EXPECT_EQ(fs.ReadFile(L"C:\\d\\ro.txt"), "keep");
  EXPECT_EQ(fs.ReadFile(L"C:\\d\\hidden.txt"), "keep");
  // A moved file keeps its attributes.
  ASSERT_TRUE(fs.MoveFileOver(L"C:\\d\\hidden.txt", L"C:\\d\\moved.txt"));
  EXPECT_EQ(fs.FindFiles(L"C:\\d\\moved.txt").at(0).attributes, FileAttributeHidden);
}

TEST(SimMachineFiles, WrittenFilesTakeTheMachinesClock) {
  SimMachine machine;
  machine.SetNow({2026, 12, 10, 12, 0, 0, 0});
  ASSERT_TRUE(machine.files().WriteFile(L"C:\\one.txt", "1"));
  machine.SetNow({2026, 12, 10, 12, 0, 1, 0});
  ASSERT_TRUE(machine.files().WriteFile(L"C:\\two.txt", "2"));
  const auto one = machine.files().FindFiles(L"C:\\one.txt").at(0).lastWriteTime;
  const auto two = machine.files().FindFiles(L"C:\\two.txt").at(0).lastWriteTime;
  // 2026-12-10 12:00:00 UTC as a FILETIME; one second later is ten million steps on.
  EXPECT_EQ(one, 134413776000000000ULL);
  EXPECT_EQ(two - one, 10000000ULL);
}

TEST(SimRegistryValues, EnumeratesInCreationOrderWithTheirTypes) {
  SimRegistry registry;
  const RegistryKey run{RegistryRoot::CurrentUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run"};
  EXPECT_EQ(registry.ReadValues(run), std::nullopt);
  registry.SetValue(run, L"Zeta", RegistryType::String, L"z.exe");
  registry.SetValue(run, L"alpha", RegistryType::Dword, L"1");
  registry.SetValue(run, L"Mid", RegistryType::ExpandString, L"%x%\\m.exe");
  registry.SetValue(run, L"ZETA", RegistryType::String, L"z2.exe");  // rewritten in place
  ASSERT_TRUE(registry.DeleteValue(run, L"mid"));
  registry.SetValue(run, L"Mid", RegistryType::ExpandString, L"%x%\\m.exe");  // now last
  const auto values = registry.ReadValues(run);
  ASSERT_TRUE(values);
  ASSERT_EQ(values->size(), 3u);
  EXPECT_EQ((*values)[0].name, L"Zeta");
  EXPECT_EQ((*values)[0].text, L"z2.exe");
  EXPECT_EQ((*values)[1].name, L"alpha");
  EXPECT_FALSE((*values)[1].isText);
  EXPECT_EQ((*values)[1].text, L"");
  EXPECT_EQ((*values)[2].name, L"Mid");
  EXPECT_TRUE((*values)[2].isText);
  EXPECT_EQ((*values)[2].text, L"%x%\\m.exe");
}

TEST(SimRegistryValues, FullAccessToMachineKeysIsRefusedWithoutAdministratorRights) {
  SimRegistry registry;
  RegistryKey machine{RegistryRoot::LocalMachine, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run"};
  RegistryKey user{RegistryRoot::CurrentUser, machine.path};
  registry.SetValue(machine, L"m", RegistryType::String, L"m.exe");
  registry.SetValue(user, L"u", RegistryType::String, L"u.exe");
  registry.RefuseMachineChanges(true);
  // Reading asks only for reading rights and still works.
  EXPECT_EQ(registry.ReadString(machine, L"m"), L"m.exe");
  machine.access = RegistryAccess::AllAccess;
  user.access = RegistryAccess::AllAccess;
  EXPECT_FALSE(registry.KeyExists(machine));
  EXPECT_EQ(registry.ReadString(machine, L"m"), std::nullopt);
  EXPECT_EQ(registry.ReadValues(machine), std::nullopt);
  EXPECT_EQ(registry.ReadValues(user)->size(), 1u);
  registry.RefuseMachineChanges(false);
  EXPECT_EQ(registry.ReadValues(machine)->size(), 1u);
}

}  // namespace
}  // namespace kalvora::platform::sim
