#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/ShellWindows.h"

namespace kalvora::platform::sim {

// The shell's open Explorer and Internet Explorer windows, oldest first as
// the collection lists them. An Explorer window reports its folder as the
// shell writes file URLs (blanks as %20, "%" as %25, "#" as %23, "/" for
// "\"; other characters as they are) and has a document without a title;
// virtual places (Computer, Control Panel) report no location.
class SimShellWindows final : public ShellWindows {
 public:
  bool OpenWindows(std::vector<ShellWindow>& windows) override;

  // Each returns the window's number for Close.
  int OpenExplorer(const std::wstring& folder);
  int OpenVirtualPlace();
  // A web page in Internet Explorer; nullopt when its title cannot be read.
  int OpenBrowser(const std::wstring& url, std::optional<std::wstring> title);
  // A window that has not loaded anything yet.
  int OpenLoading(const std::wstring& url);
  void Close(int number);
  // The shell is not running: the collection cannot be created.
  void SetUnavailable(bool unavailable) { unavailable_ = unavailable; }

  // "C:\a b" gives "file:///C:/a%20b", "\\server\share" gives "file://server/share".
  static std::wstring FileUrl(const std::wstring& path);

 private:
  int Add(ShellWindow window);

  std::vector<std::pair<int, ShellWindow>> windows_;
  int lastNumber_ = 0;
  bool unavailable_ = false;
};

}  // namespace kalvora::platform::sim
