#pragma once
#include "platform/Platform.h"

namespace kalvora::resolve {

// The services the path and association functions reach the system through.
struct ResolutionServices {
  platform::FileSystem& files;
  platform::ShellLinks& links;
  platform::Installer& installer;
  platform::Registry& registry;
  platform::Environment& environment;
  platform::SystemText& text;
  // Parent of any window the shell shows while it resolves a shortcut.
  platform::WindowHandle owner = 0;

  static ResolutionServices From(const platform::Platform& p, platform::WindowHandle owner = 0) {
    return ResolutionServices{p.files, p.links, p.installer, p.registry, p.environment, p.text, owner};
  }
};

}  // namespace kalvora::resolve
