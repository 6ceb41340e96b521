#include "platform/sim/SimSharedMemory.h"

#include <string_view>

namespace kalvora::platform::sim {
namespace {

constexpr std::size_t kPage = 4096;

class View final : public SharedBlock {
 public:
  explicit View(std::shared_ptr<void> keepAlive, unsigned char* data) : keepAlive_(std::move(keepAlive)), data_(data) {}
  void* Data() override { return data_; }

 private:
  std::shared_ptr<void> keepAlive_;
  unsigned char* data_;
};

// The name as the object namespace sees it; nullopt when it holds a '\'
// beyond the session prefix.
std::optional<std::wstring> ObjectKey(const std::wstring& name) {
  std::wstring_view n = name;
  constexpr std::wstring_view local = L"Local\\";
  if (n.substr(0, local.size()) == local) n.remove_prefix(local.size());
  std::wstring_view rest = n;
  constexpr std::wstring_view global = L"Global\\";
  if (rest.substr(0, global.size()) == global) rest.remove_prefix(global.size());
  if (rest.find(L'\\') != std::wstring_view::npos) return std::nullopt;
  return std::wstring(n);
}

}  // namespace

std::shared_ptr<SimSharedMemory::Block> SimSharedMemory::Lookup(const std::wstring& key) const {
  auto it = blocks_.find(key);
  return it == blocks_.end() ? nullptr : it->second.lock();
}

SharedMemory::Created SimSharedMemory::CreateNamed(const std::wstring& name, std::size_t size) {
  if (failCreate_) throw SystemError(*failCreate_, "The system refused to create the shared memory.");
  if (size == 0) throw SystemError(87, "The parameter is incorrect.");
  auto key = ObjectKey(name);
  if (!key) throw SystemError(3, "The system cannot find the path specified.");
  Created created;
  auto block = name.empty() ? nullptr : Lookup(*key);
  if (block) {
    if (size > block->bytes.size()) throw SystemError(5, "Access is denied.");
    created.existedBefore = true;
  } else {
    block = std::make_shared<Block>();
    block->bytes.assign((size + kPage - 1) / kPage * kPage, 0);
    if (!name.empty()) blocks_[*key] = block;  // an unnamed block is never found again
  }
  unsigned char* data = block->bytes.data();
  created.block = std::make_unique<View>(std::move(block), data);
  return created;
}

std::unique_ptr<SharedBlock> SimSharedMemory::OpenNamed(const std::wstring& name, std::size_t size) {
  auto key = ObjectKey(name);
  if (!key || failOpen_.count(name)) return nullptr;
  auto block = Lookup(*key);
  if (!block || size > block->bytes.size()) return nullptr;
  unsigned char* data = block->bytes.data();
  return std::make_unique<View>(std::move(block), data);
}

void SimSharedMemory::FailCreate(std::optional<unsigned long> code) { failCreate_ = code; }

void SimSharedMemory::FailOpen(const std::wstring& name, bool fail) {
  if (fail)
    failOpen_.insert(name);
  else
    failOpen_.erase(name);
}

bool SimSharedMemory::Exists(const std::wstring& name) const {
  auto key = ObjectKey(name);
  return key && Lookup(*key) != nullptr;
}

long SimSharedMemory::ViewCount(const std::wstring& name) const {
  auto key = ObjectKey(name);
  if (!key) return 0;
  auto it = blocks_.find(*key);
  return it == blocks_.end() ? 0 : it->second.use_count();
}

}  // namespace kalvora::platform::sim
