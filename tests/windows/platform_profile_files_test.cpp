// Profile files through the system's profile API, with the cases the
// simulated profile files answer alike.
#include <gtest/gtest.h>

#include "../shared/ProfileFileCases.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32ProfileFiles.h"
#include "support/ScratchPlaces.h"
#include "support/TempFolder.h"

using kalvora::platform::win32::Win32FileSystem;
using kalvora::platform::win32::Win32ProfileFiles;
using namespace profile_file_cases;

namespace {

class Win32ProfileFilesTest : public ::testing::Test {
 protected:
  profile_file_cases::Scratch Scratch() { return {profiles, files, temp.Path(), MissingDrive(), UnderWine()}; }
  TempFolder temp;
  Win32ProfileFiles profiles;
  Win32FileSystem files;
};

TEST_F(Win32ProfileFilesTest, ReadsFollowTheProfileRules) { CheckReadsFollowTheProfileRules(Scratch()); }

TEST_F(Win32ProfileFilesTest, WritesChangeOnlyWhatTheyMust) { CheckWritesChangeOnlyWhatTheyMust(Scratch()); }

TEST_F(Win32ProfileFilesTest, FirstWriteCreatesTheFileAndValuesReadBack) {
  CheckFirstWriteCreatesTheFileAndValuesReadBack(Scratch());
}

TEST_F(Win32ProfileFilesTest, MissingFileOrFolderGivesTheDefault) {
  CheckMissingFileOrFolderGivesTheDefault(Scratch());
}

TEST_F(Win32ProfileFilesTest, DefaultLosesTrailingBlanksAndQuotes) {
  CheckDefaultLosesTrailingBlanksAndQuotes(Scratch());
}

TEST_F(Win32ProfileFilesTest, FileNameIgnoresCase) { CheckFileNameIgnoresCase(Scratch()); }

TEST_F(Win32ProfileFilesTest, WrittenQuotesAreStrippedOnRead) { CheckWrittenQuotesAreStrippedOnRead(Scratch()); }

TEST_F(Win32ProfileFilesTest, LongValuesAreReadWhole) { CheckLongValuesAreReadWhole(Scratch()); }

TEST_F(Win32ProfileFilesTest, WriteIntoMissingFolderFailsAndCreatesNothing) {
  CheckWriteIntoMissingFolderFailsAndCreatesNothing(Scratch());
}

}  // namespace
