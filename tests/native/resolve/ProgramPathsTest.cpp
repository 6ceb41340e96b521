#include "resolve/ProgramPaths.h"

#include <gtest/gtest.h>

#include "resolve/EnvironmentTokens.h"
#include "common/WideText.h"
#include "support/ResolutionHarness.h"

namespace kalvora::resolve {
namespace {

TEST(ExtractProgramPath, CutsTheCommandLineToItsProgram) {
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L"C:\\WINDOWS\\system32\\NOTEPAD.EXE %1", L"C:\\WINDOWS\\system32\\NOTEPAD.EXE"},
      {L"\"C:\\Program Files\\App\\app.exe\" \"%1\"", L"C:\\Program Files\\App\\app.exe"},
      {L"\"C:\\Program Files\\App\\app.exe", L""},  // no closing quote
      {L"C:\\tools\\run", L"C:\\tools\\run"},      // no extension
      {L"C:\\tools\\run.exe", L"C:\\tools\\run.exe"},
      {L"C:\\Program Files\\App\\app.exe /min", L"C:\\Program Files\\App\\app.exe"},
      {L"C:\\x\\app.exe/s", L"C:\\x\\app.exe"},
      {L"C:\\x\\app.exe|more", L"C:\\x\\app.exe"},
      {L"  C:\\x\\app.exe  ", L"C:\\x\\app.exe"},
      {L"", L""},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(ExtractProgramPath(in), out) << text::WideToUtf8(in);
}

TEST(GetProgramPath, ExpandsTheFirstReferenceAndLeavesWebAddresses) {
  testing::ResolutionHarness h;
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L"%SystemRoot%\\system32\\notepad.exe %1", L"C:\\Windows\\system32\\notepad.exe"},
      {L"\"%ProgramFiles%\\App\\app.exe\" -x", L"C:\\Program Files\\App\\app.exe"},
      {L"HTTPS://Example.com/a b.html", L"HTTPS://Example.com/a b.html"},
      {L"http://example.com/x.php?a=1 2", L"http://example.com/x.php?a=1 2"},
      {L"httpd.exe -k", L"httpd.exe"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(GetProgramPath(h.services, in), out) << text::WideToUtf8(in);
}

}  // namespace
}  // namespace kalvora::resolve
