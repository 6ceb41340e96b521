#include <gtest/gtest.h>

#include <string>

#include "../../shared/ProfileFileCases.h"
#include "platform/sim/SimMachine.h"

// The shared cases are what Windows' profile functions give for the same
// files and calls; the Windows suite runs them on the real ones.

namespace kalvora::platform::sim {
namespace {

using namespace profile_file_cases;

class SimProfileFiles : public ::testing::Test {
 protected:
  SimProfileFiles() { machine.files().AddFolder(L"C:\\data"); }
  profile_file_cases::Scratch Scratch() { return {machine.profiles(), machine.files(), L"C:\\data", L"Q:"}; }
  SimMachine machine;
};

TEST_F(SimProfileFiles, ReadsFollowTheProfileRules) { CheckReadsFollowTheProfileRules(Scratch()); }

TEST_F(SimProfileFiles, WritesChangeOnlyWhatTheyMust) { CheckWritesChangeOnlyWhatTheyMust(Scratch()); }

TEST_F(SimProfileFiles, FirstWriteCreatesTheFileAndValuesReadBack) {
  CheckFirstWriteCreatesTheFileAndValuesReadBack(Scratch());
}

TEST_F(SimProfileFiles, MissingFileOrFolderGivesTheDefault) { CheckMissingFileOrFolderGivesTheDefault(Scratch()); }

TEST_F(SimProfileFiles, DefaultLosesTrailingBlanksAndQuotes) { CheckDefaultLosesTrailingBlanksAndQuotes(Scratch()); }

TEST_F(SimProfileFiles, FileNameIgnoresCase) { CheckFileNameIgnoresCase(Scratch()); }

TEST_F(SimProfileFiles, WrittenQuotesAreStrippedOnRead) { CheckWrittenQuotesAreStrippedOnRead(Scratch()); }

TEST_F(SimProfileFiles, LongValuesAreReadWhole) { CheckLongValuesAreReadWhole(Scratch()); }

TEST_F(SimProfileFiles, WriteIntoMissingFolderFailsAndCreatesNothing) {
  CheckWriteIntoMissingFolderFailsAndCreatesNothing(Scratch());
}

// The faults below are the simulation's own: a folder that refuses writes
// and a disk that fills up.

TEST_F(SimProfileFiles, WriteIntoDeniedFolderFailsAndKeepsTheFile) {
  machine.files().AddFile(L"C:\\locked\\t.ini", "[S]\r\nk=old\r\n");
  machine.files().DenyWrites(L"C:\\locked");
  EXPECT_FALSE(machine.profiles().WriteString(L"C:\\locked\\t.ini", L"S", L"k", L"v"));
  EXPECT_EQ(machine.files().ReadFile(L"C:\\locked\\t.ini"), "[S]\r\nk=old\r\n");
}

TEST_F(SimProfileFiles, DiskFailingMidWriteReportsFailure) {
  const std::wstring ini = L"C:\\data\\t.ini";
  machine.files().AddFile(ini, "[S]\r\nk=old\r\n");
  machine.files().FailWritesAfter(4);
  EXPECT_FALSE(machine.profiles().WriteString(ini, L"S", L"k", L"new"));
  EXPECT_EQ(machine.files().ReadFile(ini), "[S]\r");
}

}  // namespace
}  // namespace kalvora::platform::sim
