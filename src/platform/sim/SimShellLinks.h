#pragma once
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "platform/ShellLinks.h"
#include "platform/sim/SimFileSystem.h"

namespace kalvora::platform::sim {

// What a simulated shortcut file holds.
struct SimShortcut {
  SimShortcut(std::wstring target_ = {}, std::wstring workingDirectory_ = {}, std::wstring description_ = {},
              std::wstring arguments_ = {}, std::wstring component_ = {})
      : target(std::move(target_)),
        workingDirectory(std::move(workingDirectory_)),
        description(std::move(description_)),
        arguments(std::move(arguments_)),
        component(std::move(component_)) {}

  std::wstring target;
  std::wstring workingDirectory;
  std::wstring description;
  std::wstring arguments;
  // Set for an installer-advertised shortcut: the component it stands for.
  // Its target is then the icon the installer keeps below Windows\Installer.
  std::wstring component;
};

// Shortcuts kept as files of the simulated file system in a private text
// format. A missing file fails to load with "file not found", anything that
// is not in the format (a real .lnk, garbage) with E_FAIL. Resolve follows
// targets moved with MoveTarget and rewrites the file, as SLR_UPDATE does.
// There are no short 8.3 names, so the short path is the long one.
class SimShellLinks final : public ShellLinks {
 public:
  explicit SimShellLinks(SimFileSystem& files) : files_(files) {}

  std::wstring ReadTarget(const std::wstring& linkPath) override;
  AnsiLinkRead ReadAnsi(const std::wstring& linkPath, WindowHandle owner) override;
  StatusCode Write(const std::wstring& linkPath, const std::wstring& target,
                   const std::wstring& workingFolder) override;

  // Test setup: puts the shortcut file in place, creating its folders.
  void AddShortcut(const std::wstring& linkPath, const SimShortcut& shortcut);
  // The file's content, nullopt when it is missing or not a shortcut.
  std::optional<SimShortcut> Shortcut(const std::wstring& linkPath) const;
  // The target now lives elsewhere; Resolve finds it there.
  void MoveTarget(const std::wstring& from, const std::wstring& to);
  // From now on the call fails with the code for every shortcut.
  void FailStep(LinkStep step, StatusCode status) { failures_[step] = status; }
  // Whether the link object offers IShellLinkDataList (it does by default).
  void SetDataListOffered(bool offered) { dataList_ = offered; }
  // The owner window of the last Resolve.
  WindowHandle LastResolveOwner() const { return lastOwner_; }

  static std::string Encode(const SimShortcut& shortcut);
  static std::optional<SimShortcut> Decode(const std::string& bytes);

 private:
  std::optional<StatusCode> Failure(LinkStep step) const;

  SimFileSystem& files_;
  std::map<std::wstring, std::wstring> moves_;  // folded old target -> new target
  std::map<LinkStep, StatusCode> failures_;
  bool dataList_ = true;
  WindowHandle lastOwner_ = 0;
};

}  // namespace kalvora::platform::sim
