#include "platform/win32/Win32DdeClient.h"

#include <windows.h>
#include <ddeml.h>

#include <string>

namespace kalvora::platform::win32 {
namespace {

HDDEDATA CALLBACK ClientCallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) { return nullptr; }

// A browser that is busy should not hold the window thread for long.
constexpr DWORD kRequestTimeoutMs = 5000;

class StringHandle {
 public:
  StringHandle(DWORD instance, const std::wstring& text)
      : instance_(instance), handle_(::DdeCreateStringHandleW(instance, text.c_str(), CP_WINUNICODE)) {}
  ~StringHandle() {
    if (handle_ != nullptr) ::DdeFreeStringHandle(instance_, handle_);
  }
  StringHandle(const StringHandle&) = delete;
  StringHandle& operator=(const StringHandle&) = delete;
  HSZ get() const { return handle_; }

 private:
  DWORD instance_;
  HSZ handle_;
};

std::wstring FromAnsi(const std::string& bytes) {
  if (bytes.empty()) return L"";
  const int length = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), length);
  return text;
}

}  // namespace

Win32DdeClient::~Win32DdeClient() {
  if (instance_ != 0) ::DdeUninitialize(instance_);
}

std::optional<std::wstring> Win32DdeClient::Request(const std::wstring& service, const std::wstring& topic,
                                                    const std::wstring& item) {
  if (instance_ == 0) {
    DWORD instance = 0;
    if (::DdeInitializeW(&instance, ClientCallback, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) return std::nullopt;
    instance_ = instance;
  }
  const DWORD instance = static_cast<DWORD>(instance_);
  StringHandle serviceName(instance, service), topicName(instance, topic), itemName(instance, item);
  if (serviceName.get() == nullptr || topicName.get() == nullptr || itemName.get() == nullptr) return std::nullopt;
  HCONV conversation = ::DdeConnect(instance, serviceName.get(), topicName.get(), nullptr);
  if (conversation == nullptr) return std::nullopt;
  std::optional<std::wstring> reply;
  HDDEDATA data = ::DdeClientTransaction(nullptr, 0, conversation, itemName.get(), CF_TEXT, XTYP_REQUEST,
                                         kRequestTimeoutMs, nullptr);
  if (data != nullptr) {
    const DWORD size = ::DdeGetData(data, nullptr, 0, 0);
    std::string bytes(size, '\0');
    if (size > 0) ::DdeGetData(data, reinterpret_cast<LPBYTE>(bytes.data()), size, 0);
    bytes.resize(std::char_traits<char>::length(bytes.c_str()));  // CF_TEXT ends at its first NUL
    reply = FromAnsi(bytes);
    ::DdeFreeDataHandle(data);
  }
  ::DdeDisconnect(conversation);
  return reply;
}

}  // namespace kalvora::platform::win32
