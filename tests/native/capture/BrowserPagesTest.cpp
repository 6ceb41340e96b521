// Web pages of the browsers that answer DDE window-info requests and of
// Chrome's address bar.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "capture/BrowserPages.h"
#include "platform/sim/SimMachine.h"
#include "platform/sim/SimProcess.h"

namespace kalvora::capture {
namespace {

constexpr const wchar_t* kTopic = L"WWW_GetWindowInfo";
constexpr const wchar_t* kItem = L"0xFFFFFFFF,sURL,sTitle";

struct BrowserPagesTest : ::testing::Test {
  platform::sim::SimMachine machine;
  platform::sim::SimProcess process{machine};
  platform::Platform platform = process.Platform();
  TWebbrowserActiveUrl browsers{process.dde(), machine.text()};

  std::vector<std::wstring> Pages(const WebPages& pages) {
    std::vector<std::wstring> out;
    for (std::size_t i = 0; i < pages.urls.size(); ++i) out.push_back(pages.urls[i] + L"|" + pages.titles[i]);
    return out;
  }
};

TEST_F(BrowserPagesTest, DdeBrowsersAreAskedInOrderAndOnlyAddressesAreListed) {
  auto& dde = process.dde();
  dde.AddServer(L"Netscape", kTopic, kItem, L"\"http://b.example/\",\"B page\",\"Netscape\"");
  dde.AddServer(L"Firefox", kTopic, kItem, L"\"http://a.example/\",\"A page\",\"Firefox\"");
  dde.AddServer(L"Mosaic", kTopic, kItem, L"\"http://no-separator.example/\"");
  dde.AddServer(L"Netscp6", kTopic, kItem, L"\"about:blank\",\"\",\"Netscape 6\"");
  dde.AddServer(L"Mozilla", kTopic, L"other item", L"\"http://wrong-item.example/\",\"x\"");

  browsers.RefreshPages();
  EXPECT_EQ(Pages(browsers.Pages()),
            (std::vector<std::wstring>{L"http://a.example/|A page", L"http://b.example/|B page"}));
  EXPECT_EQ(dde.Asked(), (std::vector<std::wstring>{L"Firefox", L"Netscape", L"Mosaic", L"Netscp6", L"Mozilla"}));
}

TEST_F(BrowserPagesTest, DdeRepliesAreTakenApartAtTheQuotedSeparator) {
  struct Case {
    std::wstring reply, url, title;
  };
  const Case cases[] = {
      {L"\"http://a.example/\",\"A page\",\"Firefox\"", L"http://a.example/", L"A page"},
      {L"\"http://a.example/\",\"\"", L"http://a.example/", L""},
      {L"\"http://a.example/\",\"unterminated", L"http://a.example/", L"unterminated"},
      {L"\"http://a.example/\"", L"", L""},
      {L"\"", L"", L""},
      {L"", L"", L""},
  };
  for (const Case& c : cases) {
    platform::sim::SimMachine m;
    platform::sim::SimProcess p{m};
    if (!c.reply.empty()) p.dde().AddServer(L"Firefox", kTopic, kItem, c.reply);
    TWebbrowserActiveUrl asker{p.dde(), m.text()};
    EXPECT_EQ(asker.QueryDdeBrowser(L"Firefox"), std::make_pair(c.url, c.title)) << c.reply;
  }
}

TEST_F(BrowserPagesTest, ChromeAddressBarGivesOnePageWithAScheme) {
  struct Case {
    std::wstring address;
    std::vector<std::wstring> expected;
  };
  const Case cases[] = {
      {L"example.com", {L"http://example.com|Example Domain"}},
      {L"HTTPS://Secure.example/", {L"HTTPS://Secure.example/|Example Domain"}},
      {L"about:blank", {}},
  };
  for (const Case& c : cases) {
    platform::sim::SimMachine m;
    platform::sim::SimProcess p{m};
    const platform::WindowHandle frame = m.windows().AddWindow(L"Chrome_WidgetWin_0", L"frame");
    p.windowTree().AddChild(frame, L"Chrome_TitleView", L"Example Domain");
    p.windowTree().AddChild(frame, L"Chrome_OmniboxView", c.address);
    p.windowTree().AddChild(frame, L"Chrome_StatusView", L"after the address bar");
    TWebbrowserActiveUrl asker{p.dde(), m.text()};
    EXPECT_EQ(Pages(GetBrowserPages(p.Platform(), asker)), c.expected) << c.address;
  }
}

TEST_F(BrowserPagesTest, ChromeTextsAreReadThroughTheFirstChildOfEachClass) {
  machine.windows().AddWindow(L"Notepad", L"not a browser");
  const platform::WindowHandle frame = machine.windows().AddWindow(L"Chrome_WidgetWin_0", L"frame");
  auto& tree = process.windowTree();
  tree.AddChild(frame, L"Chrome_Blank", L"   ");  // blank texts make no line
  const platform::WindowHandle view = tree.AddChild(frame, L"Chrome_View", L"Title");
  tree.AddChild(view, L"Chrome_View", L"nested text is never read");
  tree.AddChild(frame, L"Chrome_OmniboxView", L"www.example.org/path");

  // The nested Chrome_View reads its class's first direct child again.
  EXPECT_EQ(Pages(GetBrowserPages(platform, browsers)), (std::vector<std::wstring>{L"http://Title|Title"}));
}

TEST_F(BrowserPagesTest, NoChromeWindowAndNoDdeBrowserGiveNoPages) {
  machine.windows().AddWindow(L"Chrome_WidgetWin_1", L"a newer Chrome");
  EXPECT_TRUE(GetBrowserPages(platform, browsers).urls.empty());
}

TEST(IgnoredUrlTest, BlankAndBareAddressesAreIgnored) {
  platform::sim::SimMachine machine;
  for (const wchar_t* url : {L"", L"http://", L"https://", L"about:blank", L" About:Tabs ", L"ABOUT:HOME"})
    EXPECT_TRUE(IsIgnoredUrl(machine.text(), url)) << url;
  for (const wchar_t* url : {L"HTTP://", L"about:config", L"http://a", L"ftp://"})
    EXPECT_FALSE(IsIgnoredUrl(machine.text(), url)) << url;
}

}  // namespace
}  // namespace kalvora::capture
