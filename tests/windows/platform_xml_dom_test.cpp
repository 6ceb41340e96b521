// The Windows XML DOM, on the system's MSXML.
#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>

#include <thread>

#include "../shared/XmlDomCases.h"
#include "platform/win32/Win32XmlDom.h"
#include "support/TempFolder.h"

using kalvora::platform::XmlElement;
using kalvora::platform::win32::Win32XmlDom;
using namespace xml_dom_cases;

namespace {

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

}  // namespace

TEST(Win32XmlDomTest, TwoLevelRecordSurvivesWriteAndRead) {
  Win32XmlDom dom;
  CheckTwoLevelRecordSurvivesWriteAndRead(dom);
}

TEST(Win32XmlDomTest, ReadsTheRecordFilesOfBothBuilds) {
  Win32XmlDom dom;
  CheckReadsTheRecordFilesOfBothBuilds(dom);
}

TEST(Win32XmlDomTest, ReadsTheEncodingTheDocumentDeclares) {
  Win32XmlDom dom;
  CheckReadsTheEncodingTheDocumentDeclares(dom);
}

TEST(Win32XmlDomTest, ReadsElementsOnlyWithAttributesInDocumentOrder) {
  Win32XmlDom dom;
  CheckReadsElementsOnlyWithAttributesInDocumentOrder(dom);
}

TEST(Win32XmlDomTest, RefusesMalformedDocumentsAndEveryDocumentTypeDeclaration) {
  TempFolder temp;
  const std::wstring secret = temp / L"secret.txt";
  ASSERT_TRUE(TempFolder::WriteBytes(secret, "SECRET-CONTENT"));
  Win32XmlDom dom;
  CheckRefusesMalformedDocumentsAndDocumentTypes(dom, "file:///" + Narrow(secret));
}

TEST(Win32XmlDomTest, RefusesToWriteUnusableNamesAndKeepsUnwritableCharactersReadable) {
  Win32XmlDom dom;
  CheckRefusesUnusableNamesAndKeepsUnwritableCharactersReadable(dom);
}

TEST(Win32XmlDomTest, LargeRecordSurvivesWriteAndRead) {
  Win32XmlDom dom;
  CheckLargeRecordSurvivesWriteAndRead(dom);
}

TEST(Win32XmlDomTest, NestingStopsAtTheSameDepthForReadingAndWriting) {
  Win32XmlDom dom;
  CheckNestingStopsAtTheSameDepthForReadingAndWriting(dom);
}

// The program's thread may have entered either kind of apartment before.
TEST(Win32XmlDomTest, WorksOnThreadsThatAlreadyUseCom) {
  for (const DWORD model : {DWORD{COINIT_APARTMENTTHREADED}, DWORD{COINIT_MULTITHREADED}}) {
    std::optional<XmlElement> read;
    std::thread([&] {
      const HRESULT init = ::CoInitializeEx(nullptr, model);
      Win32XmlDom dom;
      if (const auto bytes = dom.Serialize(TwoLevelRecord())) read = dom.Parse(*bytes);
      if (SUCCEEDED(init)) ::CoUninitialize();
    }).join();
    EXPECT_EQ(read, TwoLevelRecord()) << model;
  }
}
