#pragma once
// The one owner of every handle the system hands out. Each kind of handle
// gets a small traits type (its "none" value and how to close it) and a
// name below; code keeps handles in these owners and never closes one by hand.
// COM objects are not handles: they live in Microsoft::WRL::ComPtr.
#include <windows.h>
#include <commctrl.h>
#include <ddeml.h>
#include <wininet.h>

namespace kalvora::platform::win32 {

// Owns one handle and closes it exactly once: on Close(), when another
// handle is attached, or when the owner goes. Move-only; a moved-from owner
// holds nothing. A traits object may carry what closing needs besides the
// handle (the DDE instance of a string handle, the window of a DC).
template <class Traits>
class HandleOwner {
 public:
  using Handle = typename Traits::Handle;

  HandleOwner() noexcept = default;
  explicit HandleOwner(Handle handle, Traits traits = Traits()) noexcept : handle_(handle), traits_(traits) {}
  ~HandleOwner() { Close(); }

  HandleOwner(const HandleOwner&) = delete;
  HandleOwner& operator=(const HandleOwner&) = delete;
  HandleOwner(HandleOwner&& other) noexcept : handle_(other.Detach()), traits_(other.traits_) {}
  HandleOwner& operator=(HandleOwner&& other) noexcept {
    if (this != &other) {
      Close();
      traits_ = other.traits_;
      handle_ = other.Detach();
    }
    return *this;
  }

  Handle Get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return handle_ != Traits::Invalid(); }

  void Close() noexcept {
    if (*this) traits_.Close(handle_);
    handle_ = Traits::Invalid();
  }

  // Takes handle over and closes the one held before; attaching the handle
  // already held changes nothing (closing it would leave the owner holding
  // a dead one).
  void Attach(Handle handle) noexcept {
    if (handle == handle_) return;
    Close();
    handle_ = handle;
  }

  // Gives the handle up unclosed: whoever takes it closes it.
  [[nodiscard]] Handle Detach() noexcept {
    const Handle handle = handle_;
    handle_ = Traits::Invalid();
    return handle;
  }

 private:
  Handle handle_ = Traits::Invalid();
  Traits traits_{};
};

// Kernel objects whose failure value is NULL: processes, threads, tokens,
// events, file mappings.
struct KernelHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle handle) noexcept { ::CloseHandle(handle); }
};
using OwnedHandle = HandleOwner<KernelHandleTraits>;

// Kernel objects whose failure value is INVALID_HANDLE_VALUE: CreateFile's
// files, tool help snapshots.
struct FileHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void Close(Handle handle) noexcept { ::CloseHandle(handle); }
};
using OwnedFile = HandleOwner<FileHandleTraits>;

// FindFirstChangeNotification fails with INVALID_HANDLE_VALUE too, but its
// handle has a closing call of its own.
struct ChangeNotificationTraits {
  using Handle = HANDLE;
  static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void Close(Handle handle) noexcept { ::FindCloseChangeNotification(handle); }
};
using OwnedChangeNotification = HandleOwner<ChangeNotificationTraits>;

// FindFirstFile's search.
struct FindHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void Close(Handle handle) noexcept { ::FindClose(handle); }
};
using OwnedFind = HandleOwner<FindHandleTraits>;

struct RegistryKeyTraits {
  using Handle = HKEY;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle key) noexcept { ::RegCloseKey(key); }
};
using OwnedKey = HandleOwner<RegistryKeyTraits>;

struct InternetHandleTraits {
  using Handle = HINTERNET;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle handle) noexcept { ::InternetCloseHandle(handle); }
};
using OwnedInternet = HandleOwner<InternetHandleTraits>;

// A DDEML client instance (DdeInitialize); 0 is none.
struct DdeInstanceTraits {
  using Handle = DWORD;
  static Handle Invalid() noexcept { return 0; }
  static void Close(Handle instance) noexcept { ::DdeUninitialize(instance); }
};
using OwnedDdeInstance = HandleOwner<DdeInstanceTraits>;

// A DDE string handle is freed through the instance that made it.
struct DdeStringTraits {
  using Handle = HSZ;
  DWORD instance = 0;
  static Handle Invalid() noexcept { return nullptr; }
  void Close(Handle handle) const noexcept { ::DdeFreeStringHandle(instance, handle); }
};
using OwnedDdeString = HandleOwner<DdeStringTraits>;

struct DdeConversationTraits {
  using Handle = HCONV;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle conversation) noexcept { ::DdeDisconnect(conversation); }
};
using OwnedDdeConversation = HandleOwner<DdeConversationTraits>;

// Data a transaction returned to the client, which frees it.
struct DdeDataTraits {
  using Handle = HDDEDATA;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle data) noexcept { ::DdeFreeDataHandle(data); }
};
using OwnedDdeData = HandleOwner<DdeDataTraits>;

// Icons made for the caller (SHGetFileInfo, SHGetStockIconInfo); never a
// shared icon from LoadIcon.
struct IconTraits {
  using Handle = HICON;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle icon) noexcept { ::DestroyIcon(icon); }
};
using OwnedIcon = HandleOwner<IconTraits>;

struct ImageListTraits {
  using Handle = HIMAGELIST;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle list) noexcept { ::ImageList_Destroy(list); }
};
using OwnedImageList = HandleOwner<ImageListTraits>;

// A mapped view of a file mapping (MapViewOfFile).
struct MappedViewTraits {
  using Handle = void*;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle view) noexcept { ::UnmapViewOfFile(view); }
};
using OwnedView = HandleOwner<MappedViewTraits>;

// One lock (GlobalLock) on movable global memory, undone when it goes; the
// memory itself stays with whoever owns it.
struct GlobalLockTraits {
  using Handle = HGLOBAL;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle memory) noexcept { ::GlobalUnlock(memory); }
};
using OwnedGlobalLock = HandleOwner<GlobalLockTraits>;

// Memory the system allocated for the caller with LocalAlloc
// (FormatMessage's buffer, CommandLineToArgvW's array).
template <class Pointer>
struct LocalMemoryTraits {
  using Handle = Pointer;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle memory) noexcept { ::LocalFree(memory); }
};
template <class Pointer>
using OwnedLocalMemory = HandleOwner<LocalMemoryTraits<Pointer>>;

// A SID from AllocateAndInitializeSid.
struct SidTraits {
  using Handle = PSID;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle sid) noexcept { ::FreeSid(sid); }
};
using OwnedSid = HandleOwner<SidTraits>;

struct LibraryTraits {
  using Handle = HMODULE;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle module) noexcept { ::FreeLibrary(module); }
};
using OwnedLibrary = HandleOwner<LibraryTraits>;

// GDI objects made for the caller: fonts, bitmaps.
template <class Object>
struct GdiObjectTraits {
  using Handle = Object;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle object) noexcept { ::DeleteObject(object); }
};
using OwnedFont = HandleOwner<GdiObjectTraits<HFONT>>;
using OwnedBitmap = HandleOwner<GdiObjectTraits<HBITMAP>>;

// A device context from GetDC, given back to the window it came from (the
// screen's for nullptr).
struct WindowDcTraits {
  using Handle = HDC;
  HWND window = nullptr;
  static Handle Invalid() noexcept { return nullptr; }
  void Close(Handle dc) const noexcept { ::ReleaseDC(window, dc); }
};
using OwnedWindowDc = HandleOwner<WindowDcTraits>;

// A menu that no window holds; a window destroys the menu bar it holds
// itself, so a bar is taken off its window before its owner goes.
struct MenuTraits {
  using Handle = HMENU;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle menu) noexcept { ::DestroyMenu(menu); }
};
using OwnedMenu = HandleOwner<MenuTraits>;

struct AcceleratorTableTraits {
  using Handle = HACCEL;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle table) noexcept { ::DestroyAcceleratorTable(table); }
};
using OwnedAcceleratorTable = HandleOwner<AcceleratorTableTraits>;

}  // namespace kalvora::platform::win32
