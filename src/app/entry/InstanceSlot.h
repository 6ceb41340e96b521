#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/Platform.h"

namespace kalvora::app {

// The 8-byte block through which instances of one program file find each other.
struct InstanceSlotBlock {
  std::uint32_t ownerWindow;   // application window of the instance that last took a slot
  std::int32_t instanceCount;  // how many instances hold a slot
};
static_assert(sizeof(InstanceSlotBlock) == 8);

// Keeps one running instance per program file path. The block is named after
// the program file's full path with every backslash removed, so copies in
// different folders do not see each other.
class InstanceSlot {
 public:
  InstanceSlot(platform::SharedMemory& memory, platform::WindowManager& windows);
  ~InstanceSlot();
  InstanceSlot(const InstanceSlot&) = delete;
  InstanceSlot& operator=(const InstanceSlot&) = delete;

  static std::wstring SlotName(const std::wstring& programPath);

  // True when another instance already runs; that instance's window is then
  // restored if minimised and brought to the front. Throws
  // platform::SystemError when the block cannot be created.
  bool TakeInstanceSlot(const std::wstring& programPath, platform::WindowHandle appWindow, int limit);
  // Records the main window once it exists, so a later start can bring it forward.
  void SetOwnerWindow(platform::WindowHandle window);
  // Gives the slot back; run once at process end (the destructor does it too).
  void ReleaseInstanceSlot();

 private:
  platform::SharedMemory& memory_;
  platform::WindowManager& windows_;
  std::wstring name_;
  std::unique_ptr<platform::SharedBlock> block_;
  bool decrementAtExit_ = true;
  bool released_ = false;
};

}  // namespace kalvora::app
