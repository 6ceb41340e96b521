#include <gtest/gtest.h>

#include "../../shared/RegistryCases.h"
#include "platform/sim/SimProcess.h"

namespace kalvora::platform::sim {
namespace {

TEST(SimRegistry, ClassesRootMergesTheUsersAndTheMachinesClasses) {
  SimRegistry registry;
  const RegistryKey classes{RegistryRoot::ClassesRoot, L".txt"};
  ASSERT_TRUE(registry.WriteString(classes, L"", L"txtfile"));
  // Writes through the merged view land in the machine's classes.
  EXPECT_EQ(registry.ReadString({RegistryRoot::LocalMachine, L"SOFTWARE\\Classes\\.TXT"}, L""), L"txtfile");
  registry.SetValue({RegistryRoot::CurrentUser, L"Software\\Classes\\.txt"}, L"", RegistryType::String, L"mine");
  EXPECT_EQ(registry.ReadString(classes, L""), L"mine");
  registry.DeleteKey({RegistryRoot::CurrentUser, L"Software\\Classes\\.txt"});
  EXPECT_EQ(registry.ReadString(classes, L""), L"txtfile");
}

TEST(SimRegistry, KeysValuesAndViews) {
  SimRegistry registry;
  const RegistryKey run{RegistryRoot::LocalMachine, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run"};
  EXPECT_FALSE(registry.KeyExists(run));
  EXPECT_EQ(registry.ReadString(run, L"Kalvora"), std::nullopt);
  ASSERT_TRUE(registry.WriteString(run, L"Kalvora", L"C:\\k.exe"));
  EXPECT_TRUE(registry.KeyExists({RegistryRoot::LocalMachine, L"software\\microsoft"}));
  EXPECT_EQ(registry.ReadString(run, L"KALVORA"), L"C:\\k.exe");
  EXPECT_EQ(registry.ReadString(run, L""), std::nullopt) << "no default value was written";

  // The 32-bit programs' view is a place of its own below WOW6432Node.
  RegistryKey run32 = run;
  run32.view = RegistryView::Registry32;
  EXPECT_FALSE(registry.KeyExists(run32));
  ASSERT_TRUE(registry.WriteString(run32, L"Other", L"C:\\o.exe"));
  EXPECT_EQ(registry.ReadString(
                {RegistryRoot::LocalMachine, L"Software\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Run"}, L"Other"),
            L"C:\\o.exe");
  EXPECT_EQ(registry.ReadString(run, L"Other"), std::nullopt);
  EXPECT_EQ(registry.ReadString({RegistryRoot::CurrentUser, run.path}, L"Kalvora"), std::nullopt);

  EXPECT_TRUE(registry.DeleteValue(run, L"kalvora"));
  EXPECT_FALSE(registry.DeleteValue(run, L"kalvora"));
  EXPECT_TRUE(registry.KeyExists(run)) << "the key stays";

  registry.SetValue(run, L"Count", RegistryType::Dword, L"3");
  EXPECT_THROW(registry.ReadString(run, L"Count"), RegistryTypeError);
}

// The cases the real registry answers alike (the Windows suite runs them
// under Wine).
class SimRegistryCases : public ::testing::Test {
 protected:
  registry_cases::Scratch Scratch() {
    return {registry, L"KalvoraTests", L"{4B414C56-0000-4000-8000-000000000001}",
            [this](const RegistryKey& key, const std::wstring& name, std::uint32_t type, const std::string& bytes) {
              // The simulation keeps a number as its decimal text.
              if (type == registry_cases::kNumber && bytes.size() == 4) {
                std::uint32_t number = 0;
                for (int i = 3; i >= 0; --i) number = number * 256 + static_cast<unsigned char>(bytes[i]);
                registry.SetValue(key, name, RegistryType::Dword, std::to_wstring(number));
                return;
              }
              // The simulation keeps text values as their text up to the first zero.
              std::wstring text;
              for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
                const wchar_t unit = static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) |
                                                          (static_cast<unsigned char>(bytes[i + 1]) << 8));
                if (unit == L'\0') break;
                text += unit;
              }
              registry.SetValue(key, name, static_cast<RegistryType>(type), text);
            }};
  }
  SimRegistry registry;
};

TEST_F(SimRegistryCases, ValueEnumeration) { registry_cases::CheckValueEnumeration(Scratch()); }
TEST_F(SimRegistryCases, ClassesRootMergesTheUsersClassesOverTheMachines) {
  registry_cases::CheckClassesRootMergesTheUsersClassesOverTheMachines(Scratch());
}
TEST_F(SimRegistryCases, The32BitViewAgainstThe64BitView) {
  registry_cases::CheckThe32BitViewAgainstThe64BitView(Scratch());
}

TEST(SimShellLinks, FieldsSurviveTheFileFormat) {
  SimShortcut shortcut{L"C:\\a\\\u0444 x.txt", L"C:\\a\\n", L"line one\nline two \\ end", L"/x=\"1\"",
                       L"{C0DE}"};
  auto decoded = SimShellLinks::Decode(SimShellLinks::Encode(shortcut));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->target, shortcut.target);
  EXPECT_EQ(decoded->workingDirectory, shortcut.workingDirectory);
  EXPECT_EQ(decoded->description, shortcut.description);
  EXPECT_EQ(decoded->arguments, shortcut.arguments);
  EXPECT_EQ(decoded->component, shortcut.component);

  const std::string encoded = SimShellLinks::Encode(shortcut);
  EXPECT_FALSE(SimShellLinks::Decode(encoded.substr(0, encoded.size() - 3))) << "a cut-short file is no shortcut";
  EXPECT_FALSE(SimShellLinks::Decode("L\0\0\0"));
}

TEST(SimShellLinks, ReadsClipToAPathBuffer) {
  SimMachine machine;
  const std::wstring longTarget = L"C:\\" + std::wstring(300, L'x');
  machine.links().AddShortcut(L"C:\\l.lnk", SimShortcut{longTarget, L"", std::wstring(400, L'd')});
  EXPECT_EQ(machine.links().ReadTarget(L"C:\\l.lnk").size(), 259u);
  const AnsiLinkRead read = machine.links().ReadAnsi(L"C:\\l.lnk", 0);
  EXPECT_EQ(read.failedStep, LinkStep::Done);
  EXPECT_EQ(read.target.size(), 259u);
  EXPECT_EQ(read.description.size(), 259u);

  const AnsiLinkRead tooLong = machine.links().ReadAnsi(L"C:\\" + std::wstring(260, L'l') + L".lnk", 0);
  EXPECT_EQ(tooLong.failedStep, LinkStep::Load);
  EXPECT_EQ(tooLong.status, kStatusPathTooLong);
}

TEST(SimEnvironment, EachProcessHasItsOwnVariables) {
  SimMachine machine;
  SimProcess first(machine);
  SimProcess second(machine);
  first.environment().Set(L"Kalvora_Mode", L"one");
  EXPECT_EQ(first.Platform().environment.Get(L"KALVORA_MODE"), L"one");
  EXPECT_EQ(second.Platform().environment.Get(L"KALVORA_MODE"), L"");
  EXPECT_EQ(second.Platform().environment.Get(L"systemroot"), L"C:\\Windows");
  first.environment().Unset(L"kalvora_mode");
  EXPECT_EQ(first.Platform().environment.Get(L"Kalvora_Mode"), L"");
}

}  // namespace
}  // namespace kalvora::platform::sim
