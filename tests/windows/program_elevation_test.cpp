// The elevated restart: with AlwaysRunAsAdmin set in the shared settings the
// program hands its first argument to revistoadmin.exe beside it and ends,
// unless the last argument says it already went that way.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "support/ProgramFixture.h"

namespace kalvora::program_tests {
namespace {

struct ElevationCase {
  const char* name;
  std::optional<std::wstring> alwaysRunAsAdmin;  // nothing: key absent
  std::wstring arguments;
  bool restarts;
  std::vector<std::wstring> companionArguments;  // when it restarts
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const ElevationCase& c, std::ostream* out) { *out << c.name; }

std::vector<std::wstring> Lines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find(L'\n', start);
    lines.push_back(text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start));
    if (end == std::wstring::npos) break;
    start = end + 1;
  }
  return lines;
}

class ElevationTest : public ProgramTest, public ::testing::WithParamInterface<ElevationCase> {};

TEST_P(ElevationTest, RestartsThroughTheCompanionOnlyWhenAsked) {
  const ElevationCase& c = GetParam();
  SkipFirstStartDialog();
  if (c.alwaysRunAsAdmin) {
    ASSERT_TRUE(MakeFolder(Paths().sharedFolder));
    ASSERT_TRUE(WriteIni(Paths().sharedFile, kSection, L"AlwaysRunAsAdmin", *c.alwaysRunAsAdmin));
  }
  const std::wstring exe = InstallProgram(/*withStandIn=*/true);
  ASSERT_FALSE(exe.empty());
  const std::wstring record = exe.substr(0, exe.find_last_of(L'\\') + 1) + L"revistoadmin-called.txt";
  // A companion in the current folder must not be the one started.
  const std::wstring decoyFolder = InstallStandInAlone();
  ASSERT_FALSE(decoyFolder.empty());
  const std::wstring decoyRecord = decoyFolder + L"\\revistoadmin-called.txt";
  auto& program = Start(exe, c.arguments, decoyFolder);

  if (c.restarts) {
    bool hadWindow = false;
    const auto exitCode = WaitForExitWatchingWindows(program, kExitTimeoutMs, hadWindow);
    ASSERT_TRUE(exitCode.has_value()) << "still running; it should have ended after starting the companion";
    EXPECT_EQ(*exitCode, 0u);
    EXPECT_FALSE(hadWindow) << "a main window was made before the restart";
    ASSERT_TRUE(WaitUntil([&] { return FileExists(record); }, kWindowTimeoutMs))
        << "revistoadmin.exe beside the program was not started";
    const auto recorded = ReadText(record);
    ASSERT_TRUE(recorded.has_value());
    EXPECT_EQ(Lines(*recorded), c.companionArguments);
    EXPECT_FALSE(FileExists(decoyRecord)) << "the companion in the current folder was started";
  } else {
    HWND window = WaitForMainWindow(program);
    ASSERT_NE(window, nullptr) << "no main window; the program did not run normally";
    CloseMainWindow(program, window);
    EXPECT_FALSE(FileExists(record) || FileExists(decoyRecord))
        << "the companion was started although no restart was due";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Program, ElevationTest,
    ::testing::Values(
        ElevationCase{"FirstArgumentGoesAlone", L"1", L"/run C:\\some\\file.txt", true, {L"/run"}},
        ElevationCase{"FileFirst", L"1", L"C:\\some\\file.txt /install", true, {L"C:\\some\\file.txt"}},
        ElevationCase{"NoArguments", L"1", L"", true, {}},
        ElevationCase{"PathWithBlanksStaysWhole", L"1", L"\"C:\\My Files\\a b.txt\" /run", true,
                      {L"C:\\My Files\\a b.txt"}},
        // Only the last argument stops the restart.
        ElevationCase{"RunAsAdminNotLast", L"1", L"/runasadmin /run", true, {L"/runasadmin"}},
        ElevationCase{"RunAsAdminLast", L"1", L"/run /runasadmin", false, {}},
        ElevationCase{"ContextMenuLast", L"1", L"/run /ctmenu", false, {}},
        ElevationCase{"RunAdminLast", L"1", L"/run /run_admin", false, {}},
        ElevationCase{"SettingOff", L"0", L"/run C:\\some\\file.txt", false, {}},
        ElevationCase{"SettingAbsent", std::nullopt, L"/run C:\\some\\file.txt", false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kalvora::program_tests
