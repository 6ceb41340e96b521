#pragma once
#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>

namespace kalvora::platform {

// A mapped view of a named block of shared memory backed by the paging
// file. The block lives while any process holds a view of it.
class SharedBlock {
 public:
  virtual ~SharedBlock() = default;
  virtual void* Data() = 0;
};

// Raised when the system refuses to create a block; carries its message.
class SystemError : public std::runtime_error {
 public:
  SystemError(unsigned long code, const std::string& message)
      : std::runtime_error(message), code_(code) {}
  unsigned long Code() const { return code_; }

 private:
  unsigned long code_;
};

class SharedMemory {
 public:
  virtual ~SharedMemory() = default;
  struct Created {
    std::unique_ptr<SharedBlock> block;
    bool existedBefore = false;
  };
  // Creates (or finds) the named block, read/write, mapped. Throws SystemError
  // when the system refuses.
  virtual Created CreateNamed(const std::wstring& name, std::size_t size) = 0;
  // Opens an existing block with full access; nullptr when that fails.
  virtual std::unique_ptr<SharedBlock> OpenNamed(const std::wstring& name, std::size_t size) = 0;
};

}  // namespace kalvora::platform
