#include "resolve/EnvironmentTokens.h"

#include <gtest/gtest.h>

#include "common/WideText.h"
#include "support/ResolutionHarness.h"

namespace kalvora::resolve {
namespace {

TEST(ExpandEnvToken, ExpandsOnlyTheFirstSetReference) {
  testing::ResolutionHarness h;
  h.process.environment().Set(L"EMPTY", L"");
  h.process.environment().Unset(L"NOPE");
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L"%SystemRoot%\\notepad.exe", L"C:\\Windows\\notepad.exe"},
      {L"%systemroot%\\notepad.exe", L"C:\\Windows\\notepad.exe"},  // names ignore case
      {L"x %windir% y %SystemRoot%", L"x C:\\Windows y %SystemRoot%"},
      {L"100% sure", L"100% sure"},
      {L"%NOPE%\\a.exe", L"%NOPE%\\a.exe"},
      {L"%NOPE% %windir%", L"%NOPE% %windir%"},  // only the first reference is tried
      {L"%EMPTY%\\a", L"%EMPTY%\\a"},
      {L"%%", L"%%"},
      {L"   ", L"   "},
      {L"", L""},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(ExpandEnvToken(h.services, in), out) << text::WideToUtf8(in);
}

TEST(ExpandEnvToken, KeepsLettersTheCodePageLacks) {
  testing::ResolutionHarness h;
  h.process.environment().Set(L"USERPROFILE", L"C:\\users\\Дмитрий");
  EXPECT_EQ(ExpandEnvToken(h.services, L"%USERPROFILE%\\a.txt"), L"C:\\users\\Дмитрий\\a.txt");
}

TEST(GetEnvValue, AnsiValueOrEmpty) {
  testing::ResolutionHarness h;
  h.process.environment().Set(L"Place", L"C:\\Caf\u00e9");
  EXPECT_EQ(GetEnvValue(h.services, "PLACE"), "C:\\Caf\xe9");
  EXPECT_EQ(GetEnvValue(h.services, "SystemRoot"), "C:\\Windows");
  EXPECT_EQ(GetEnvValue(h.services, "NOT_SET_ANYWHERE"), "");
  EXPECT_EQ(GetEnvValue(h.services, ""), "");
}

}  // namespace
}  // namespace kalvora::resolve
