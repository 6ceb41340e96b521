#pragma once
#include <string>

#include "platform/Platform.h"

namespace kalvora::places {

// The text names the Windows photo viewer: a rundll32 command line with the
// viewer's library, or a text beginning with one of the viewer's names.
bool IsPhotoViewerCommand(const platform::Platform& platform, const std::wstring& text);

// Shows the file in the Windows photo viewer (rundll32 with the viewer's
// full-screen entry, the file passed as it is).
void OpenInPhotoViewer(const platform::Platform& platform, const std::wstring& file, platform::WindowHandle owner = 0);

}  // namespace kalvora::places
