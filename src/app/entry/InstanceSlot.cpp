#include "app/entry/InstanceSlot.h"

#include "common/Guarded.h"
#include "common/WideText.h"

namespace kalvora::app {

namespace {
InstanceSlotBlock* BlockOf(platform::SharedBlock& block) {
  return static_cast<InstanceSlotBlock*>(block.Data());
}
}  // namespace

InstanceSlot::InstanceSlot(platform::SharedMemory& memory, platform::WindowManager& windows)
    : memory_(memory), windows_(windows) {}

InstanceSlot::~InstanceSlot() {
  Guarded(L"InstanceSlot.ReleaseInstanceSlot", [&] {
    ReleaseInstanceSlot();
  });
}

std::wstring InstanceSlot::SlotName(const std::wstring& programPath) {
  // Windows paths ignore letter case: C:\TOOLS\KALVORA.EXE is the same file
  // and must find the same slot.
  return text::LowerAscii(text::ReplaceAll(programPath, L"\\", L""));
}

bool InstanceSlot::TakeInstanceSlot(const std::wstring& programPath, platform::WindowHandle appWindow,
                                    int limit) {
  name_ = SlotName(programPath);
  auto created = memory_.CreateNamed(name_, sizeof(InstanceSlotBlock));
  const auto ownWindow = static_cast<std::uint32_t>(appWindow);
  if (!created.existedBefore) {
    block_ = std::move(created.block);
    BlockOf(*block_)->ownerWindow = ownWindow;
    BlockOf(*block_)->instanceCount = 1;
    return false;
  }
  created.block.reset();
  block_ = memory_.OpenNamed(name_, sizeof(InstanceSlotBlock));
  if (!block_) {
    decrementAtExit_ = false;
    return true;
  }
  InstanceSlotBlock* slot = BlockOf(*block_);
  if (slot->instanceCount < limit) {
    slot->ownerWindow = ownWindow;
    ++slot->instanceCount;
    return false;
  }
  decrementAtExit_ = false;
  const auto owner = static_cast<platform::WindowHandle>(slot->ownerWindow);
  if (owner != 0) {
    if (windows_.IsIconic(owner)) windows_.Restore(owner);
    windows_.SetForegroundWindow(owner);
  }
  return true;
}

void InstanceSlot::SetOwnerWindow(platform::WindowHandle window) {
  if (block_ && decrementAtExit_) BlockOf(*block_)->ownerWindow = static_cast<std::uint32_t>(window);
}

void InstanceSlot::ReleaseInstanceSlot() {
  if (released_) return;
  released_ = true;
  if (decrementAtExit_ && block_) --BlockOf(*block_)->instanceCount;
  block_.reset();
}

}  // namespace kalvora::app
