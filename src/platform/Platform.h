#pragma once
#include "platform/DdeClient.h"
#include "platform/DialogService.h"
#include "platform/Drives.h"
#include "platform/ImageLists.h"
#include "platform/Internet.h"
#include "platform/Environment.h"
#include "platform/FileSystem.h"
#include "platform/Installer.h"
#include "platform/MessagePump.h"
#include "platform/ProfileFiles.h"
#include "platform/Registry.h"
#include "platform/SharedMemory.h"
#include "platform/Shell.h"
#include "platform/ShellLinks.h"
#include "platform/ShellPlaces.h"
#include "platform/ShellFolders.h"
#include "platform/ShellWindows.h"
#include "platform/SystemInfo.h"
#include "platform/SystemText.h"
#include "platform/WindowManager.h"
#include "platform/WindowTree.h"
#include "platform/XmlDom.h"

namespace kalvora::platform {

// Everything the system needs of the operating system, one service each.
// The real Win32 build and the simulated Windows of the tests fill it in.
struct Platform {
  FileSystem& files;
  ShellFolders& folders;
  ProfileFiles& profiles;
  SharedMemory& sharedMemory;
  WindowManager& windows;
  SystemInfo& system;
  Shell& shell;
  MessagePump& pump;
  DialogService& dialogs;
  ShellLinks& links;
  Installer& installer;
  Registry& registry;
  Environment& environment;
  SystemText& text;
  ShellPlaces& places;
  Drives& drives;
  ImageLists& imageLists;
  XmlDom& xml;
  ShellWindows& shellWindows;
  DdeClient& dde;
  WindowTree& windowTree;
  Internet& internet;
};

}  // namespace kalvora::platform
