// Open folders, browser pages and page titles through the real shell window
// list, DDE, window messages and WinINet. Wine's shell window list is a stub
// with no windows, so only its answering without failure is checked here.
#include <winsock2.h>
#include <windows.h>
#include <ddeml.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "resolve/SystemQueries.h"
#include "capture/BrowserPages.h"
#include "capture/OpenFolders.h"
#include "capture/PageTitle.h"
#include "platform/win32/Win32Platform.h"
#include "tree/PathTests.h"
#include "support/TempFolder.h"

namespace kalvora::capture {
namespace {

class NoDialogs final : public platform::DialogService {
 public:
  bool ShowModal(platform::WindowHandle, platform::DialogState&) override { return false; }
  int ShowMessageBox(platform::WindowHandle, const std::wstring&, const std::wstring&, unsigned) override {
    return 0;
  }
};

class RealOpenWindows : public ::testing::Test {
 protected:
  NoDialogs dialogs;
  platform::win32::Win32Platform win32;
  platform::Platform platform = win32.Services(dialogs);
  resolve::Wow64State wow64{platform.system};
  tree::PathTests paths{platform, wow64, L"C:\\users\\test\\Documents"};
  TWebbrowserActiveUrl browsers{platform.dde, platform.text};
};

TEST_F(RealOpenWindows, ShellWindowListAnswersWithoutFailure) {
  std::vector<platform::ShellWindow> windows;
  EXPECT_TRUE(platform.shellWindows.OpenWindows(windows));
  OpenFolderLists lists;
  EXPECT_TRUE(ScanFoldersAndPages(platform, paths, lists, true, browsers));
  EXPECT_EQ(lists.files.size(), lists.titles.size());
}

TEST_F(RealOpenWindows, DdeServiceWithoutServerGivesNoReply) {
  EXPECT_FALSE(platform.dde.Request(L"Firefox", L"WWW_GetWindowInfo", L"0xFFFFFFFF,sURL,sTitle"));
  EXPECT_EQ(browsers.QueryDdeBrowser(L"Netscape"), (std::pair<std::wstring, std::wstring>{}));
}

// A browser's DDE window-info server in a thread of its own, answering
// one service with a fixed 8-bit reply.
class DdeBrowserServer {
 public:
  DdeBrowserServer(const wchar_t* service, std::string reply) : service_(service) {
    reply_ = std::move(reply);
    HANDLE ready = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([this, ready] { Run(ready); });
    ::WaitForSingleObject(ready, 10000);
    ::CloseHandle(ready);
  }
  ~DdeBrowserServer() {
    ::PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    thread_.join();
  }
  DdeBrowserServer(const DdeBrowserServer&) = delete;
  DdeBrowserServer& operator=(const DdeBrowserServer&) = delete;

 private:
  static HDDEDATA CALLBACK Callback(UINT type, UINT format, HCONV, HSZ topic, HSZ item, HDDEDATA, ULONG_PTR,
                                    ULONG_PTR) {
    if (type == XTYP_CONNECT)
      return reinterpret_cast<HDDEDATA>(
          static_cast<ULONG_PTR>(::DdeCmpStringHandles(topic, topic_) == 0 ? TRUE : FALSE));
    if (type == XTYP_REQUEST && format == CF_TEXT && ::DdeCmpStringHandles(item, item_) == 0)
      return ::DdeCreateDataHandle(instance_, reinterpret_cast<LPBYTE>(const_cast<char*>(reply_.c_str())),
                                   static_cast<DWORD>(reply_.size() + 1), 0, item, CF_TEXT, 0);
    return nullptr;
  }
  void Run(HANDLE ready) {
    threadId_ = ::GetCurrentThreadId();
    MSG message;
    ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue exists from here on
    ::DdeInitializeW(&instance_, Callback, APPCLASS_STANDARD | CBF_SKIP_ALLNOTIFICATIONS, 0);
    HSZ service = ::DdeCreateStringHandleW(instance_, service_, CP_WINUNICODE);
    topic_ = ::DdeCreateStringHandleW(instance_, L"WWW_GetWindowInfo", CP_WINUNICODE);
    item_ = ::DdeCreateStringHandleW(instance_, L"0xFFFFFFFF,sURL,sTitle", CP_WINUNICODE);
    ::DdeNameService(instance_, service, nullptr, DNS_REGISTER);
    ::SetEvent(ready);
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) ::DispatchMessageW(&message);
    ::DdeNameService(instance_, service, nullptr, DNS_UNREGISTER);
    ::DdeFreeStringHandle(instance_, service);
    ::DdeFreeStringHandle(instance_, topic_);
    ::DdeFreeStringHandle(instance_, item_);
    ::DdeUninitialize(instance_);
  }

  static inline DWORD instance_ = 0;
  static inline HSZ topic_ = nullptr;
  static inline HSZ item_ = nullptr;
  static inline std::string reply_;
  const wchar_t* service_;
  DWORD threadId_ = 0;
  std::thread thread_;
};

TEST_F(RealOpenWindows, DdeBrowserReplyIsListed) {
  DdeBrowserServer server(L"Netscape", "\"http://dde.example/page\",\"DDE page\",\"Navigator\"");
  browsers.RefreshPages();
  ASSERT_EQ(browsers.Pages().urls.size(), 1u);
  EXPECT_EQ(browsers.Pages().urls[0], L"http://dde.example/page");
  EXPECT_EQ(browsers.Pages().titles[0], L"DDE page");
}

// A frame of Chrome's old window class with its title and address-bar children.
class ChromeLikeWindow {
 public:
  ChromeLikeWindow() {
    for (const wchar_t* name : {L"Chrome_WidgetWin_0", L"Chrome_TitleView", L"Chrome_OmniboxView"}) {
      WNDCLASSW windowClass = {};
      windowClass.lpfnWndProc = ::DefWindowProcW;
      windowClass.hInstance = ::GetModuleHandleW(nullptr);
      windowClass.lpszClassName = name;
      ::RegisterClassW(&windowClass);
    }
    frame_ = ::CreateWindowExW(0, L"Chrome_WidgetWin_0", L"frame", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                               nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::CreateWindowExW(0, L"Chrome_TitleView", L"Example Domain", WS_CHILD, 0, 0, 100, 20, frame_, nullptr,
                      ::GetModuleHandleW(nullptr), nullptr);
    ::CreateWindowExW(0, L"Chrome_OmniboxView", L"example.com/path", WS_CHILD, 0, 20, 100, 20, frame_, nullptr,
                      ::GetModuleHandleW(nullptr), nullptr);
  }
  ~ChromeLikeWindow() { ::DestroyWindow(frame_); }
  ChromeLikeWindow(const ChromeLikeWindow&) = delete;
  ChromeLikeWindow& operator=(const ChromeLikeWindow&) = delete;
  HWND frame() const { return frame_; }

 private:
  HWND frame_ = nullptr;
};

TEST_F(RealOpenWindows, ChromeAddressBarIsReadFromItsChildWindows) {
  ChromeLikeWindow chrome;
  ASSERT_NE(chrome.frame(), nullptr);
  const WebPages pages = GetBrowserPages(platform, browsers);
  ASSERT_EQ(pages.urls.size(), 1u);
  EXPECT_EQ(pages.urls[0], L"http://example.com/path");
  EXPECT_EQ(pages.titles[0], L"Example Domain");
}

// An HTTP server on 127.0.0.1 in a thread of the test: each request gets
// the body of the page whose path it asks for.
class TinyHttpServer {
 public:
  TinyHttpServer() {
    WSADATA data;
    ::WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = ::htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(listener_, 4);
    int length = sizeof address;
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ::ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
  }
  ~TinyHttpServer() {
    ::closesocket(listener_);  // ends the accept loop
    thread_.join();
    ::WSACleanup();
  }
  TinyHttpServer(const TinyHttpServer&) = delete;
  TinyHttpServer& operator=(const TinyHttpServer&) = delete;

  std::wstring Url(const std::wstring& path) const {
    return L"http://127.0.0.1:" + std::to_wstring(port_) + path;
  }
  int Requests() const { return requests_; }

 private:
  static std::string Body(const std::string& request) {
    if (request.rfind("GET /titled ", 0) == 0) return "<html><head><TITLE>Served title</TITLE></head></html>";
    if (request.rfind("GET /open ", 0) == 0) return "<html><head><title>never closed";
    if (request.rfind("GET /big ", 0) == 0) return std::string(70000, ' ') + "<title>too late</title>";
    return "<html><body>no title</body></html>";
  }
  void Serve() {
    for (;;) {
      SOCKET client = ::accept(listener_, nullptr, nullptr);
      if (client == INVALID_SOCKET) return;
      ++requests_;
      std::string request;
      char buffer[2048];
      while (request.find("\r\n\r\n") == std::string::npos) {
        const int got = ::recv(client, buffer, sizeof buffer, 0);
        if (got <= 0) break;
        request.append(buffer, static_cast<std::size_t>(got));
      }
      const std::string body = Body(request);
      const std::string reply = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Length: " +
                                std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
      for (std::size_t sent = 0; sent < reply.size();) {
        const int n = ::send(client, reply.data() + sent, static_cast<int>(reply.size() - sent), 0);
        if (n <= 0) break;
        sent += static_cast<std::size_t>(n);
      }
      ::shutdown(client, SD_SEND);
      ::closesocket(client);
    }
  }

  SOCKET listener_ = INVALID_SOCKET;
  unsigned short port_ = 0;
  std::atomic<int> requests_{0};
  std::thread thread_;
};

TEST_F(RealOpenWindows, FetchPageTitleDownloadsTheFirstChunk) {
  // The machine's proxy variables must not send a loopback request elsewhere.
  ::SetEnvironmentVariableW(L"http_proxy", nullptr);
  ::SetEnvironmentVariableW(L"HTTP_PROXY", nullptr);
  TinyHttpServer server;
  EXPECT_EQ(FetchPageTitle(platform, server.Url(L"/titled")), L"Served title");
  EXPECT_EQ(FetchPageTitle(platform, server.Url(L"/open")), L"");
  EXPECT_EQ(FetchPageTitle(platform, server.Url(L"/plain")), L"");
  EXPECT_EQ(FetchPageTitle(platform, server.Url(L"/big")), L"");
  EXPECT_GE(server.Requests(), 4);
}

TEST_F(RealOpenWindows, FetchPageTitleOfAnUnreachableAddressIsEmpty) {
  EXPECT_EQ(FetchPageTitle(platform, L"http://127.0.0.1:1/"), L"");
  EXPECT_EQ(FetchPageTitle(platform, L"not an address"), L"");
}

// A name on the real disk that holds "%20" is that name, and a folder named
// by a file URL or with forward slashes is the same folder in backslashes.
TEST_F(RealOpenWindows, PathsOnTheRealDiskTakeOneForm) {
  TempFolder temp;
  const std::wstring notes = temp / L"My%20Notes.txt";
  ASSERT_TRUE(TempFolder::WriteBytes(notes, "x"));
  const std::wstring folder = temp / L"C# a%20b";
  ASSERT_TRUE(::CreateDirectoryW(folder.c_str(), nullptr));
  auto slashed = [](std::wstring path) {
    for (wchar_t& c : path)
      if (c == L'\\') c = L'/';
    return path;
  };
  const std::pair<std::wstring, std::wstring> cases[] = {
      {notes, notes},
      {L"file:///" + slashed(temp / L"My%2520Notes.txt"), notes},
      {temp / L"Other%20Notes.txt", temp / L"Other Notes.txt"},  // not on disk: "%20" is a blank
      {slashed(folder), folder},
      {L"file:///" + slashed(temp / L"C%23%20a%2520b"), folder},
  };
  for (const auto& [given, canonical] : cases) {
    SCOPED_TRACE(platform.text.ToAnsi(given));
    EXPECT_EQ(paths.CanonicalPath(given), canonical);
  }
  EXPECT_TRUE(paths.WideFileExists(paths.CanonicalPath(L"file:///" + slashed(temp / L"My%2520Notes.txt"))));
}

}  // namespace
}  // namespace kalvora::capture
