#pragma once
#include "platform/Platform.h"
#include "platform/win32/Win32DdeClient.h"
#include "platform/win32/Win32DeveloperSink.h"
#include "platform/win32/Win32Drives.h"
#include "platform/win32/Win32Environment.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32ImageLists.h"
#include "platform/win32/Win32Installer.h"
#include "platform/win32/Win32Internet.h"
#include "platform/win32/Win32MessagePump.h"
#include "platform/win32/Win32ProfileFiles.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32SharedMemory.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32ShellFolders.h"
#include "platform/win32/Win32ShellLinks.h"
#include "platform/win32/Win32ShellPlaces.h"
#include "platform/win32/Win32ShellWindows.h"
#include "platform/win32/Win32SystemInfo.h"
#include "platform/win32/Win32SystemText.h"
#include "platform/win32/Win32WindowManager.h"
#include "platform/win32/Win32WindowTree.h"
#include "platform/win32/Win32XmlDom.h"

namespace kalvora::platform::win32 {

// The real services, one of each. The dialogs come from the user interface,
// which lives above this layer. The returned Platform refers into this
// object and into the dialog service, so both must outlive it. While it
// exists, swallowed failures are reported to the debug output.
class Win32Platform {
 public:
  Platform Services(DialogService& dialogs);

 private:
  // First, so that it outlives every service that may report.
  Win32DeveloperSink developerSink_;
  ScopedDeveloperSink developerSinkInstalled_{developerSink_};
  Win32FileSystem files_;
  Win32ShellFolders folders_;
  Win32ProfileFiles profiles_;
  Win32SharedMemory sharedMemory_;
  Win32WindowManager windows_;
  Win32SystemInfo system_;
  Win32Shell shell_;
  Win32MessagePump pump_;
  Win32ShellLinks links_;
  Win32Installer installer_;
  Win32Registry registry_;
  Win32Environment environment_;
  Win32SystemText text_;
  Win32ShellPlaces places_;
  Win32ImageLists imageLists_;
  Win32Drives drives_;
  Win32XmlDom xml_;
  Win32ShellWindows shellWindows_;
  Win32DdeClient dde_;
  Win32WindowTree windowTree_;
  Win32Internet internet_;
};

}  // namespace kalvora::platform::win32
