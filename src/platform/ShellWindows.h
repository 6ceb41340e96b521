#pragma once
#include <optional>
#include <string>
#include <vector>

namespace kalvora::platform {

// One window of the shell's collection of open shell windows (Explorer
// folder windows and Internet Explorer windows), as its browser object
// reports it.
struct ShellWindow {
  // The location as a URL: "file:///C:/a%20b" for a folder, "file://server/share"
  // for a network folder, the address of a web page; empty for virtual places
  // such as Computer or Control Panel.
  std::wstring locationUrl;
  // False while nothing is loaded into the window.
  bool hasDocument = false;
  // The document's "title" property; nullopt when it cannot be read (folder
  // windows have none).
  std::optional<std::wstring> title;
};

class ShellWindows {
 public:
  virtual ~ShellWindows() = default;
  // The open shell windows in the collection's order, without the items the
  // collection could not hand out. False when the collection itself cannot
  // be created.
  virtual bool OpenWindows(std::vector<ShellWindow>& windows) = 0;
};

}  // namespace kalvora::platform
