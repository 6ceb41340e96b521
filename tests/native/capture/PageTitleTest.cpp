// The title of a web page from the first 64 KiB of its text.
#include <gtest/gtest.h>

#include <string>

#include "capture/PageTitle.h"
#include "platform/sim/SimMachine.h"
#include "platform/sim/SimProcess.h"

namespace kalvora::capture {
namespace {

TEST(FetchPageTitleTest, TitleBetweenTheTagsOfTheFirstRead) {
  const std::string padding(kPageTitleReadBytes - 10, ' ');
  struct Case {
    const char* name;
    std::string page;
    std::wstring title;
  };
  const Case cases[] = {
      {"plain", "<html><head><title>Hello</title></head>", L"Hello"},
      {"upper-case tags", "<HTML><TITLE>Shouting</TITLE>", L"Shouting"},
      {"ANSI text", "<title>Caf\xe9</title>", L"Caf\u00e9"},
      {"empty title", "<title></title>", L""},
      {"no closing tag", "<title>never closed", L""},
      {"no title", "<html><body>no title here</body></html>", L""},
      {"closing tag beyond the first read", padding + "<title>late</title>", L""},
      {"empty page", "", L""},
  };
  for (const Case& c : cases) {
    platform::sim::SimMachine machine;
    platform::sim::SimProcess process{machine};
    process.internet().SetPage(L"http://site.example/", c.page);
    EXPECT_EQ(FetchPageTitle(process.Platform(), L"http://site.example/"), c.title) << c.name;
  }
}

TEST(FetchPageTitleTest, UnreachableAddressOrNoSessionGivesNoTitle) {
  platform::sim::SimMachine machine;
  platform::sim::SimProcess process{machine};
  process.internet().SetPage(L"http://site.example/", "<title>Here</title>");
  EXPECT_EQ(FetchPageTitle(process.Platform(), L"http://elsewhere.example/"), L"");
  process.internet().SetOffline(true);
  EXPECT_EQ(FetchPageTitle(process.Platform(), L"http://site.example/"), L"");
}

}  // namespace
}  // namespace kalvora::capture
