// The native XML DOM: what records are read and written through.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "../../shared/XmlDomCases.h"
#include "platform/sim/LibXmlDom.h"

using kalvora::platform::sim::LibXmlDom;
using namespace xml_dom_cases;

namespace {

// A file whose content no document may ever pull in.
class SecretFile {
 public:
  SecretFile() : path_(std::filesystem::temp_directory_path() / ("kalvora-xml-secret-" + std::to_string(::getpid()))) {
    std::ofstream(path_) << "SECRET-CONTENT";
  }
  ~SecretFile() { std::filesystem::remove(path_); }
  std::string Url() const { return "file://" + path_.string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace

TEST(LibXmlDomTest, TwoLevelRecordSurvivesWriteAndRead) {
  LibXmlDom dom;
  CheckTwoLevelRecordSurvivesWriteAndRead(dom);
}

TEST(LibXmlDomTest, ReadsTheRecordFilesOfBothBuilds) {
  LibXmlDom dom;
  CheckReadsTheRecordFilesOfBothBuilds(dom);
}

TEST(LibXmlDomTest, ReadsTheEncodingTheDocumentDeclares) {
  LibXmlDom dom;
  CheckReadsTheEncodingTheDocumentDeclares(dom);
}

TEST(LibXmlDomTest, ReadsElementsOnlyWithAttributesInDocumentOrder) {
  LibXmlDom dom;
  CheckReadsElementsOnlyWithAttributesInDocumentOrder(dom);
}

TEST(LibXmlDomTest, RefusesMalformedDocumentsAndEveryDocumentTypeDeclaration) {
  SecretFile secret;
  LibXmlDom dom;
  CheckRefusesMalformedDocumentsAndDocumentTypes(dom, secret.Url());
}

TEST(LibXmlDomTest, RefusesToWriteUnusableNamesAndKeepsUnwritableCharactersReadable) {
  LibXmlDom dom;
  CheckRefusesUnusableNamesAndKeepsUnwritableCharactersReadable(dom);
}

TEST(LibXmlDomTest, LargeRecordSurvivesWriteAndRead) {
  LibXmlDom dom;
  CheckLargeRecordSurvivesWriteAndRead(dom);
}

TEST(LibXmlDomTest, NestingStopsAtTheSameDepthForReadingAndWriting) {
  LibXmlDom dom;
  CheckNestingStopsAtTheSameDepthForReadingAndWriting(dom);
}
