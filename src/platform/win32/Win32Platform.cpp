#include "platform/win32/Win32Platform.h"

namespace kalvora::platform::win32 {

Platform Win32Platform::Services(DialogService& dialogs) {
  return Platform{files_, folders_, profiles_, sharedMemory_, windows_, system_, shell_, pump_, dialogs,
                  links_, installer_, registry_, environment_, text_, places_, drives_, imageLists_, xml_,
                  shellWindows_, dde_, windowTree_, internet_};
}

}  // namespace kalvora::platform::win32
