#pragma once
#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/SharedMemory.h"

namespace kalvora::platform::sim {

// The machine's named shared memory, one object shared by every simulated
// process. A block is zero-filled when made and lives while any view of it
// lives. Checked under Wine: names are case-sensitive, "Local\" names the
// same block as no prefix, another '\' in the name fails with error 3, size
// 0 fails with error 87, and a block holds whole 4096-byte pages, so a view
// of up to a page fits a block made smaller.
class SimSharedMemory final : public SharedMemory {
 public:
  Created CreateNamed(const std::wstring& name, std::size_t size) override;
  std::unique_ptr<SharedBlock> OpenNamed(const std::wstring& name, std::size_t size) override;

  // CreateNamed throws SystemError with this code (5, access denied, say);
  // nullopt turns it off.
  void FailCreate(std::optional<unsigned long> code);
  // OpenNamed of this name fails although the block exists.
  void FailOpen(const std::wstring& name, bool fail = true);

  bool Exists(const std::wstring& name) const;
  // Live views of the block (0 when there is none).
  long ViewCount(const std::wstring& name) const;

 private:
  struct Block {
    std::vector<unsigned char> bytes;
  };
  std::shared_ptr<Block> Lookup(const std::wstring& key) const;

  std::map<std::wstring, std::weak_ptr<Block>> blocks_;
  std::optional<unsigned long> failCreate_;
  std::set<std::wstring> failOpen_;
};

}  // namespace kalvora::platform::sim
